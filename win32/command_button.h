// SPDX-License-Identifier: MIT
#pragma once

#include "dpi_scale.h"
#include "palette.h"

#include <form/form_description.h>

#include <windows.h>

namespace win32 {

/// An owner-drawn BUTTON painted in the colours it is given (the form's exact
/// colour, or the system's in high contrast), with a raised edge, a sunken one
/// while pressed, and a solid focus mark of the text's colour. It reports
/// taking the focus (BS_NOTIFY).
class CommandButton
{
public:
    CommandButton(HWND parent, const form::Control &control, const DpiScale &scale, HFONT font);
    CommandButton(const CommandButton &) = delete;
    CommandButton &operator=(const CommandButton &) = delete;

    [[nodiscard]] HWND handle() const { return m_button; }
    [[nodiscard]] int commandIndex() const { return m_commandIndex; }

    void draw(const DRAWITEMSTRUCT &item, const Paint &paint) const;

private:
    HWND m_button;
    int m_commandIndex;
};

} // namespace win32
