// SPDX-License-Identifier: MIT
#pragma once

#include "palette.h"

#include <windows.h>

namespace win32 {

class WindowControls;

/// Paints the window's face, its labels and its owner-drawn controls in the
/// form's colours, or in the system's while high contrast is on.
class WindowPainter
{
public:
    /// Where the painter learns whether high contrast is on; the system's
    /// setting unless a test stands in for it.
    void readHighContrastFrom(bool (*isOn)()) { m_highContrastOn = isOn; }

    /// Makes the brushes for the current setting; false when one cannot be made.
    [[nodiscard]] bool chooseColours();
    /// Follows a change of the system's settings or colours, and repaints
    /// @p window whole.
    void coloursChanged(HWND window);

    /// WM_DRAWITEM: false for a control the painter does not draw.
    bool drawItem(const DRAWITEMSTRUCT &item, const WindowControls &controls) const;
    /// WM_CTLCOLORSTATIC: the brush of @p control's face, with @p dc set up
    /// for its text.
    [[nodiscard]] HBRUSH staticColours(HDC dc, HWND control, const WindowControls &controls) const;
    /// WM_ERASEBKGND: the window's face.
    void eraseBackground(HWND window, HDC dc) const;

private:
    Palette m_palette;
    bool (*m_highContrastOn)() = HighContrastOn;
};

} // namespace win32
