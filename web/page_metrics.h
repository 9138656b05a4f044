// SPDX-License-Identifier: MIT
#pragma once

#include <form/form_description.h>

#include <string>

namespace page {

/// The font's size in CSS pixels and the height its lines need: Liberation
/// Serif, the metric twin of the form's font, sets 1.15 em per line.
constexpr int fontPixels = form::font.pointSize * 96 / 72;
constexpr int naturalRowHeight = (fontPixels * 115 + 99) / 100;
/// The inset border of lists and the statement, as the desktop windows draw it.
constexpr int borderWidth = 2;

/// @p colour as a CSS colour value.
inline std::string cssColour(form::Colour colour)
{
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

} // namespace page
