// SPDX-License-Identifier: MIT
#include "statement_box.h"

#include "child_control.h"

#include <commctrl.h>

namespace win32 {

StatementBox::StatementBox(HWND parent, const form::Control &control, const DpiScale &scale,
                           HFONT font)
    : m_edit(CreateChildControl(parent, control, L"EDIT",
                                WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                                WS_EX_CLIENTEDGE, scale, font))
    , m_guarded(m_edit &&
                SetWindowSubclass(m_edit, subclassProcedure, 0, reinterpret_cast<DWORD_PTR>(this)))
{}

StatementBox::~StatementBox()
{
    if (m_guarded)
        RemoveWindowSubclass(m_edit, subclassProcedure, 0);
}

LRESULT CALLBACK StatementBox::subclassProcedure(HWND edit, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (changesText(message) || isEscape(message, wParam))
        return 0;
    if (message == WM_GETDLGCODE)
        return dialogCode(edit, wParam, lParam);
    return DefSubclassProc(edit, message, wParam, lParam);
}

// ES_READONLY stops typing, but not these: text set or replaced from outside,
// undo, and a message that would make the box writable again.
bool StatementBox::changesText(UINT message)
{
    switch (message) {
    case WM_SETTEXT:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
    case EM_SETREADONLY:
    case EM_SETHANDLE:
        return true;
    default:
        return false;
    }
}

// A multi-line EDIT in a window driven by IsDialogMessage posts WM_CLOSE to
// its parent on Escape; no control of this window closes it.
bool StatementBox::isEscape(UINT message, WPARAM wParam)
{
    return ((message == WM_KEYDOWN || message == WM_KEYUP) && wParam == VK_ESCAPE) ||
           (message == WM_CHAR && wParam == 0x1B);
}

// A multi-line edit asks for every key; leaving Tab to the dialog manager
// lets IsDialogMessage move the focus on, in Windows and Wine alike.
LRESULT StatementBox::dialogCode(HWND edit, WPARAM wParam, LPARAM lParam)
{
    LRESULT code = DefSubclassProc(edit, WM_GETDLGCODE, wParam, lParam);
    code &= ~static_cast<LRESULT>(DLGC_WANTTAB);
    const auto *message = reinterpret_cast<const MSG *>(lParam);
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_TAB)
        code &= ~static_cast<LRESULT>(DLGC_WANTMESSAGE);
    return code;
}

} // namespace win32
