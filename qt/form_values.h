// SPDX-License-Identifier: MIT
#pragma once

#include <form/form_description.h>

#include <QColor>
#include <QRect>

/// A control's place on the form, in the window's pixels, as Qt takes it.
[[nodiscard]] inline QRect rectOf(const form::Control &control)
{
    const form::Geometry &g = control.geometry;
    return {g.left, g.top, g.width, g.height};
}

/// One of the form's colours as Qt takes it.
[[nodiscard]] inline QColor colourOf(form::Colour colour)
{
    return {colour.red, colour.green, colour.blue};
}
