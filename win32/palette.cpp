// SPDX-License-Identifier: MIT
#include "palette.h"

#include <algorithm>

namespace win32 {

namespace {

Paint system(int face, int text)
{
    return {GetSysColor(face), GetSysColor(text), GetSysColorBrush(face)};
}

} // namespace

COLORREF ColorRef(form::Colour colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

bool HighContrastOn()
{
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool Palette::choose(bool highContrast)
{
    m_highContrast = highContrast;
    m_brushes.clear();
    if (highContrast)
        return true;
    std::vector<form::Colour> faces{form::windowBackground};
    for (const form::Control &control : form::Controls()) {
        if (control.background)
            faces.push_back(*control.background);
    }
    for (const form::Colour face : faces) {
        const bool known = std::any_of(m_brushes.begin(), m_brushes.end(),
                                       [face](const auto &brush) { return brush.first == face; });
        if (known)
            continue;
        Brush brush(CreateSolidBrush(ColorRef(face)));
        if (!brush.get())
            return false;
        m_brushes.emplace_back(face, std::move(brush));
    }
    return true;
}

Paint Palette::window() const
{
    return m_highContrast ? system(COLOR_WINDOW, COLOR_WINDOWTEXT) : fixed(form::windowBackground);
}

Paint Palette::of(const form::Control &control) const
{
    if (!m_highContrast)
        return control.background ? fixed(*control.background) : window();
    return control.kind == form::ControlKind::Command ? system(COLOR_BTNFACE, COLOR_BTNTEXT)
                                                      : window();
}

Paint Palette::fixed(form::Colour face) const
{
    const auto found = std::find_if(m_brushes.begin(), m_brushes.end(),
                                    [face](const auto &brush) { return brush.first == face; });
    const HBRUSH brush = found == m_brushes.end() ? nullptr : found->second.get();
    return {ColorRef(face), ColorRef(form::textOnFixedColour), brush};
}

} // namespace win32
