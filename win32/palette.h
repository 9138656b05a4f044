// SPDX-License-Identifier: MIT
#pragma once

#include "gdi_object.h"

#include <form/form_description.h>

#include <windows.h>

#include <utility>
#include <vector>

namespace win32 {

/// How one surface of the window is painted: its face, the text on it, and a
/// brush of the face colour that the palette owns (or the system does).
struct Paint
{
    COLORREF face;
    COLORREF text;
    HBRUSH brush;
};

[[nodiscard]] COLORREF ColorRef(form::Colour colour);

/// Whether the user has turned high contrast on.
[[nodiscard]] bool HighContrastOn();

/// The colours the window, its labels and its buttons are painted with: the
/// form's fixed colours, or the system's colours while high contrast is on.
/// Lists and the statement always take the system's.
class Palette
{
public:
    /// Makes the brushes for @p highContrast; false when one cannot be made.
    bool choose(bool highContrast);

    [[nodiscard]] bool highContrast() const { return m_highContrast; }
    [[nodiscard]] Paint window() const;
    /// A label's or a button's paint; the window's for a control with no face colour.
    [[nodiscard]] Paint of(const form::Control &control) const;

private:
    [[nodiscard]] Paint fixed(form::Colour face) const;

    bool m_highContrast = false;
    std::vector<std::pair<form::Colour, Brush>> m_brushes;
};

} // namespace win32
