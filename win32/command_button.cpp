// SPDX-License-Identifier: MIT
#include "command_button.h"

#include "child_control.h"
#include "focus_mark.h"
#include "gdi_object.h"

#include <array>

namespace win32 {

namespace {

// Inside the raised edge, clear of the caption.
constexpr int focusInsetAt96 = 3;

} // namespace

CommandButton::CommandButton(HWND parent, const form::Control &control, const DpiScale &scale,
                             HFONT font)
    : m_button(CreateChildControl(parent, control, L"BUTTON", WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY,
                                  0, scale, font))
    , m_commandIndex(*control.command)
{}

void CommandButton::draw(const DRAWITEMSTRUCT &item, const Paint &paint) const
{
    const HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;

    FillRect(dc, &face, paint.brush);
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    std::array<wchar_t, 64> caption{};
    GetWindowTextW(m_button, caption.data(), static_cast<int>(caption.size()));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(m_button, WM_GETFONT, 0, 0));
    const SelectedObject selectedFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, paint.text);
    RECT text = face;
    if (pressed)
        OffsetRect(&text, 1, 1);
    DrawTextW(dc, caption.data(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    // Shown whether or not a key has been pressed yet (ODS_NOFOCUSRECT).
    if (item.itemState & ODS_FOCUS) {
        const int inset = MulDiv(focusInsetAt96, static_cast<int>(GetDpiForWindow(m_button)),
                                 USER_DEFAULT_SCREEN_DPI);
        RECT focus = face;
        InflateRect(&focus, -inset, -inset);
        DrawFocusMark(dc, focus, paint.text, FocusMarkWidth(m_button));
    }
}

} // namespace win32
