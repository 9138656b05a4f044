// SPDX-License-Identifier: MIT
#include "keyboard_focus.h"

namespace win32 {

// A multi-line EDIT sends WM_NEXTDLGCTL on Tab, as a dialog's controls do.
void KeyboardFocus::nextControl(HWND window, WPARAM wParam, LPARAM lParam)
{
    const HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                       : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
    if (target)
        moveTo(target);
}

// The focus goes to the statement when the window is first activated, and
// comes back to the control that had it when the window was left.
void KeyboardFocus::activate(HWND window, WPARAM wParam, HWND start)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        if (const HWND focus = GetFocus(); focus && IsChild(window, focus))
            m_focus = focus;
        return;
    }
    moveTo(m_focus ? m_focus : start);
}

void KeyboardFocus::moveTo(HWND control)
{
    m_focus = control;
    SetFocus(control);
}

} // namespace win32
