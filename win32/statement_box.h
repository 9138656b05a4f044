// SPDX-License-Identifier: MIT
#pragma once

#include "dpi_scale.h"

#include <form/form_description.h>

#include <windows.h>

namespace win32 {

/// The exercise statement: a read-only multi-line EDIT that no message can
/// change once it holds the text, and that lets Tab move the focus on. Tab
/// into it shows its beginning; while it has the focus, a solid mark covers
/// its edge.
class StatementBox
{
public:
    StatementBox(HWND parent, const form::Control &control, const DpiScale &scale, HFONT font);
    ~StatementBox();
    StatementBox(const StatementBox &) = delete;
    StatementBox &operator=(const StatementBox &) = delete;

    [[nodiscard]] HWND handle() const { return m_edit; }
    /// Whether the box turns away every change (its window procedure is in
    /// place).
    [[nodiscard]] bool guarded() const { return m_guarded; }

private:
    static LRESULT CALLBACK guardProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] static LRESULT editProcedure(HWND edit, UINT message, WPARAM wParam,
                                               LPARAM lParam);
    [[nodiscard]] static bool changesText(UINT message);
    [[nodiscard]] static bool isEscape(UINT message, WPARAM wParam);
    [[nodiscard]] static LRESULT dialogCode(HWND edit, WPARAM wParam, LPARAM lParam);
    static void drawFocusMark(HWND edit);
    static void showBeginning(HWND edit);

    HWND m_edit;
    bool m_guarded = false;
};

} // namespace win32
