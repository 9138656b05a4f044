// SPDX-License-Identifier: MIT
#pragma once

#include <form/form_description.h>

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class RankingForm;

/// How a shown list differs from its model list (items, order or selection),
/// or an empty string when every shown list mirrors its list exactly.
[[nodiscard]] QString mirrorFault(const RankingForm &form);

[[nodiscard]] inline QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

// The tests read the form description with their own conversions, not the
// window's (form_values.h), so that a fault there cannot agree with itself.
[[nodiscard]] inline QRect rectOf(const form::Control &control)
{
    const form::Geometry &g = control.geometry;
    return {g.left, g.top, g.width, g.height};
}

[[nodiscard]] inline QColor colourOf(form::Colour colour)
{
    return {colour.red, colour.green, colour.blue};
}

/// The contrast ratio of two colours as WCAG defines it, from 1 to 21.
[[nodiscard]] double contrastRatio(const QColor &a, const QColor &b);

struct ColourSample
{
    QString name;
    QPoint point;
    QColor colour;
};

/// A point of the window's own background and one inside each control with a
/// fixed colour, in logical pixels, with the colour the form gives it.
[[nodiscard]] QList<ColourSample> fixedColourSamples();
