// SPDX-License-Identifier: MIT
#include "focus_mark.h"

#include "gdi_object.h"

namespace win32 {

int FocusMarkWidth(HWND control)
{
    constexpr int widthAt96 = 2;
    return MulDiv(widthAt96, static_cast<int>(GetDpiForWindow(control)), USER_DEFAULT_SCREEN_DPI);
}

void DrawFocusMark(HDC dc, const RECT &place, COLORREF colour, int width)
{
    const Brush brush(CreateSolidBrush(colour));
    if (!brush.get())
        return;
    const RECT sides[] = {
        {place.left, place.top, place.right, place.top + width},
        {place.left, place.bottom - width, place.right, place.bottom},
        {place.left, place.top, place.left + width, place.bottom},
        {place.right - width, place.top, place.right, place.bottom},
    };
    for (const RECT &side : sides)
        FillRect(dc, &side, brush.get());
}

} // namespace win32
