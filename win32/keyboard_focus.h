// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace win32 {

/// Where the keyboard focus goes: on to the next control on Tab from the
/// statement, to the statement when the window is first activated, and back
/// to the control that had it when the window is activated again.
class KeyboardFocus
{
public:
    /// WM_NEXTDLGCTL in @p window.
    void nextControl(HWND window, WPARAM wParam, LPARAM lParam);
    /// WM_ACTIVATE of @p window, whose first focus is @p start.
    void activate(HWND window, WPARAM wParam, HWND start);
    /// Forgets the control, before the controls go.
    void forget() { m_focus = nullptr; }

private:
    void moveTo(HWND control);

    HWND m_focus = nullptr;
};

} // namespace win32
