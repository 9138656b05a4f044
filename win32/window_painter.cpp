// SPDX-License-Identifier: MIT
#include "window_painter.h"

#include "window_controls.h"

#include <form/form_description.h>

namespace win32 {

bool WindowPainter::chooseColours()
{
    return m_palette.choose(m_highContrastOn());
}

void WindowPainter::coloursChanged(HWND window)
{
    // Without brushes of its own, the window still has the system's.
    if (!chooseColours())
        m_palette.choose(true);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool WindowPainter::drawItem(const DRAWITEMSTRUCT &item, const WindowControls &controls) const
{
    if (const ListBoxView *list = controls.listOf(item.hwndItem)) {
        list->draw(item);
        return true;
    }
    for (const auto &button : controls.buttons()) {
        if (button->handle() == item.hwndItem) {
            button->draw(item, m_palette.of(form::ControlAt(form::ControlKind::Command,
                                                            button->commandIndex())));
            return true;
        }
    }
    return false;
}

// A read-only EDIT asks here too; it keeps the look of a text field.
HBRUSH WindowPainter::staticColours(HDC dc, HWND control, const WindowControls &controls) const
{
    if (const form::Control *label = controls.labelOf(control)) {
        const Paint paint = m_palette.of(*label);
        SetTextColor(dc, paint.text);
        SetBkColor(dc, paint.face);
        return paint.brush;
    }
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

void WindowPainter::eraseBackground(HWND window, HDC dc) const
{
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, m_palette.window().brush);
}

} // namespace win32
