// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace win32 {

/// A top-level window whose messages go to Derived::handleMessage. The static
/// window procedure keeps the object's address in the window's user data from
/// WM_NCCREATE on.
template <typename Derived> class BaseWindow
{
public:
    BaseWindow(const BaseWindow &) = delete;
    BaseWindow &operator=(const BaseWindow &) = delete;

    [[nodiscard]] HWND handle() const { return m_window; }

protected:
    BaseWindow() = default;
    ~BaseWindow()
    {
        if (m_window)
            DestroyWindow(m_window);
    }

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        Derived *self = nullptr;
        if (message == WM_NCCREATE) {
            const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
            self = static_cast<Derived *>(create->lpCreateParams);
            self->m_window = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        }
        if (!self)
            return DefWindowProcW(window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->m_window = nullptr;
        }
        return self->handleMessage(message, wParam, lParam);
    }

    HWND m_window = nullptr;
};

} // namespace win32
