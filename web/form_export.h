// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

/// The shared form description as one JavaScript object, so that the page
/// lays out its controls from it and writes no geometry, colour or text itself:
/// { caption, clientSize, windowBackground, textOnFixedColour, font,
///   controls: [{ kind, index, name, text, accessibleName, geometry,
///                background, tabPosition }] }.
/// Colours are CSS colour strings; a control without a fixed colour has
/// background null; kind is "label", "list", "command" or "statement".
[[nodiscard]] emscripten::val FormDescription();
