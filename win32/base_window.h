// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace win32 {

/// A top-level window whose messages go to Derived::handleMessage. The static
/// window procedure keeps the object's address in the window's user data from
/// WM_NCCREATE on. The object must outlive its window: it is the window's
/// WM_DESTROY that ends the program, not the object's destructor.
template <typename Derived> class BaseWindow
{
public:
    BaseWindow(const BaseWindow &) = delete;
    BaseWindow &operator=(const BaseWindow &) = delete;

    [[nodiscard]] HWND handle() const { return m_window; }
    /// Whether a handler threw: the window then failed to be created, or it
    /// closed.
    [[nodiscard]] bool failed() const { return m_failed; }

protected:
    BaseWindow() = default;
    ~BaseWindow() = default;

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
        try {
            return self->handleMessage(message, wParam, lParam);
        } catch (...) {
            return self->stopAfterException(window, message);
        }
    }

private:
    // Nothing may unwind through the system's code that called the procedure.
    LRESULT stopAfterException(HWND window, UINT message) noexcept
    {
        m_failed = true;
        switch (message) {
        case WM_NCCREATE:
            return FALSE;
        case WM_CREATE:
            return -1;
        case WM_DESTROY:
        case WM_NCDESTROY:
            return 0;
        default:
            DestroyWindow(window);
            return 0;
        }
    }

protected:
    HWND m_window = nullptr;
    bool m_failed = false;
};

} // namespace win32
