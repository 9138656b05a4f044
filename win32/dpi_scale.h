// SPDX-License-Identifier: MIT
#pragma once

#include <form/form_description.h>

#include <windows.h>

namespace win32 {

/// Turns the form's sizes at 96 DPI into pixels at one window's DPI.
class DpiScale
{
public:
    explicit DpiScale(UINT dpi)
        : m_dpi(dpi)
    {}

    [[nodiscard]] UINT dpi() const { return m_dpi; }
    [[nodiscard]] int pixels(int pixelsAt96) const;
    [[nodiscard]] RECT rect(const form::Geometry &geometry) const;
    /// The LOGFONT height of a font of @p points points: negative, so that it
    /// gives the character height rather than the cell height.
    [[nodiscard]] int fontHeight(int points) const;
    /// The outer size of a window whose client area is the form's.
    [[nodiscard]] SIZE windowSize(DWORD style, DWORD exStyle) const;

private:
    UINT m_dpi;
};

} // namespace win32
