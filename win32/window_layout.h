// SPDX-License-Identifier: MIT
#pragma once

#include "dpi_scale.h"
#include "gdi_object.h"

#include <windows.h>

namespace win32 {

class WindowControls;

/// The form laid out at one DPI: the window's font of that size, each control
/// in its place, and a client area of the form's size, whatever the frame.
class WindowLayout
{
public:
    WindowLayout(DWORD style, DWORD exStyle)
        : m_style(style)
        , m_exStyle(exStyle)
    {}

    [[nodiscard]] const DpiScale &scale() const { return m_scale; }
    [[nodiscard]] HFONT font() const { return m_font.get(); }
    /// The outer size of the window at the current DPI.
    [[nodiscard]] SIZE windowSize() const { return m_scale.windowSize(m_style, m_exStyle); }

    /// Takes @p dpi and makes the font for it; false when there is none.
    [[nodiscard]] bool start(UINT dpi);
    /// Lays the form out again at @p dpi, with a font of that size where one
    /// can be made.
    void scaleTo(UINT dpi, HWND window, const WindowControls &controls);
    /// Makes the client area of @p window the form's size at the current DPI.
    void fitClientArea(HWND window) const;

private:
    void placeControls(HWND window, const WindowControls &controls) const;

    DWORD m_style;
    DWORD m_exStyle;
    DpiScale m_scale{USER_DEFAULT_SCREEN_DPI};
    Font m_font;
};

} // namespace win32
