// SPDX-License-Identifier: MIT
#include "window_layout.h"

#include "wide_text.h"
#include "window_controls.h"

#include <form/form_description.h>

#include <string>

namespace win32 {

namespace {

HFONT createFont(const DpiScale &scale)
{
    LOGFONTW font{};
    font.lfHeight = scale.fontHeight(form::font.pointSize);
    font.lfWeight = form::font.weight;
    font.lfCharSet = static_cast<BYTE>(form::font.characterSet);
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    // Where the family is missing, a serif of the same character set stands in.
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    const std::wstring family = Widen(form::font.family);
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

} // namespace

bool WindowLayout::start(UINT dpi)
{
    m_scale = DpiScale(dpi);
    m_font = Font(createFont(m_scale));
    return m_font.get() != nullptr;
}

void WindowLayout::scaleTo(UINT dpi, HWND window, const WindowControls &controls)
{
    m_scale = DpiScale(dpi);
    Font font(createFont(m_scale));
    // Without a font of the new size, the controls keep the one they have.
    if (font.get()) {
        for (const form::Control &control : form::Controls())
            SendMessageW(controls.window(control), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()),
                         FALSE);
        m_font = std::move(font);
    }
    placeControls(window, controls);
}

void WindowLayout::placeControls(HWND window, const WindowControls &controls) const
{
    for (const form::Control &control : form::Controls()) {
        const RECT place = m_scale.rect(control.geometry);
        SetWindowPos(controls.window(control), nullptr, place.left, place.top,
                     place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const auto &list : controls.lists())
        list->fitRowsToHeight();
    fitClientArea(window);
    InvalidateRect(window, nullptr, TRUE);
}

// The frame of the window's DPI first; then whatever the frame really takes
// (it may not follow the DPI, as in Wine) is made up for.
void WindowLayout::fitClientArea(HWND window) const
{
    const SIZE size = windowSize();
    const auto resize = [window](int width, int height) {
        SetWindowPos(window, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    resize(size.cx, size.cy);
    RECT client{};
    GetClientRect(window, &client);
    const int missingWidth = m_scale.pixels(form::clientSize.width) - client.right;
    const int missingHeight = m_scale.pixels(form::clientSize.height) - client.bottom;
    if (missingWidth != 0 || missingHeight != 0)
        resize(size.cx + missingWidth, size.cy + missingHeight);
}

} // namespace win32
