// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace win32 {

/// The width of a focus mark in @p control: two pixels at 96 DPI, scaled.
[[nodiscard]] int FocusMarkWidth(HWND control);

/// Draws a solid frame of @p width pixels in @p colour just inside @p place:
/// the program's own focus mark, which Windows neither hides until a key is
/// pressed nor draws as a dotted line of one pixel.
void DrawFocusMark(HDC dc, const RECT &place, COLORREF colour, int width);

} // namespace win32
