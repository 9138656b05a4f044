// SPDX-License-Identifier: MIT
#include "statement_box.h"

#include "child_control.h"
#include "focus_mark.h"
#include "gdi_object.h"

#include <algorithm>

namespace win32 {

// The EDIT's own procedure is kept in the box's user data, which belongs to
// whoever creates the control. Replacing the procedure, rather than adding a
// common-controls subclass, keeps the program from loading that library
// before its window shows.

StatementBox::StatementBox(HWND parent, const form::Control &control, const DpiScale &scale,
                           HFONT font)
    : m_edit(CreateChildControl(parent, control, L"EDIT",
                                WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                                WS_EX_CLIENTEDGE, scale, font))
{
    if (!m_edit)
        return;
    m_guarded = ReplaceProcedure(m_edit, guardProcedure);
}

StatementBox::~StatementBox()
{
    if (m_guarded)
        RestoreProcedure(m_edit);
}

LRESULT CALLBACK StatementBox::guardProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (changesText(message) || isEscape(message, wParam))
        return 0;
    if (message == WM_GETDLGCODE)
        return dialogCode(edit, wParam, lParam);
    const LRESULT result = editProcedure(edit, message, wParam, lParam);
    switch (message) {
    case WM_NCPAINT:
        drawFocusMark(edit);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        break;
    default:
        break;
    }
    return result;
}

// Over the sunken edge, in the text's colour (the system's, as the box's
// colours always are): at least 3:1 against the edge, the window's face and
// the box's background.
void StatementBox::drawFocusMark(HWND edit)
{
    if (GetFocus() != edit)
        return;
    const WindowDC dc(edit, WindowDC::WholeWindow);
    RECT frame{};
    GetWindowRect(edit, &frame);
    OffsetRect(&frame, -frame.left, -frame.top);
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, GetDpiForWindow(edit));
    DrawFocusMark(dc.get(), frame, GetSysColor(COLOR_WINDOWTEXT),
                  std::max(edge, FocusMarkWidth(edit)));
}

// Entered by Tab or Shift+Tab, the box shows its beginning with the caret
// there and nothing selected, as after a click at its start; the dialog
// manager would select the whole text.
void StatementBox::showBeginning(HWND edit)
{
    static_cast<void>(editProcedure(edit, EM_SETSEL, 0, 0));
    static_cast<void>(editProcedure(edit, WM_VSCROLL, SB_TOP, 0));
}

LRESULT StatementBox::editProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallOwnProcedure(edit, message, wParam, lParam);
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
    LRESULT code = editProcedure(edit, WM_GETDLGCODE, wParam, lParam);
    code &= ~static_cast<LRESULT>(DLGC_WANTTAB);
    const auto *message = reinterpret_cast<const MSG *>(lParam);
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_TAB) {
        code &= ~static_cast<LRESULT>(DLGC_WANTMESSAGE);
        // Asked while another control has the focus: Tab is coming in.
        if (GetFocus() != edit) {
            code &= ~static_cast<LRESULT>(DLGC_HASSETSEL);
            showBeginning(edit);
        }
    }
    return code;
}

} // namespace win32
