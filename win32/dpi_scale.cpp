// SPDX-License-Identifier: MIT
#include "dpi_scale.h"

namespace win32 {

namespace {
constexpr int baseDpi = USER_DEFAULT_SCREEN_DPI;
constexpr int pointsPerInch = 72;
} // namespace

int DpiScale::pixels(int pixelsAt96) const
{
    return MulDiv(pixelsAt96, static_cast<int>(m_dpi), baseDpi);
}

RECT DpiScale::rect(const form::Geometry &geometry) const
{
    const int left = pixels(geometry.left);
    const int top = pixels(geometry.top);
    return {left, top, left + pixels(geometry.width), top + pixels(geometry.height)};
}

int DpiScale::fontHeight(int points) const
{
    return -MulDiv(points, static_cast<int>(m_dpi), pointsPerInch);
}

SIZE DpiScale::windowSize(DWORD style, DWORD exStyle) const
{
    RECT frame{0, 0, pixels(form::clientSize.width), pixels(form::clientSize.height)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, m_dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace win32
