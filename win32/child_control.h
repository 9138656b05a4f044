// SPDX-License-Identifier: MIT
#pragma once

#include "dpi_scale.h"

#include <form/form_description.h>

#include <windows.h>

namespace win32 {

/// Creates the child window of @p control in its place at @p scale, with
/// @p font, and then its text: so that no text is laid out twice.
[[nodiscard]] HWND CreateChildControl(HWND parent, const form::Control &control,
                                      const wchar_t *windowClass, DWORD style, DWORD exStyle,
                                      const DpiScale &scale, HFONT font);

/// Puts @p procedure in place of @p control's window procedure and keeps the
/// control's own in its user data, for CallOwnProcedure(). Returns false
/// where the procedure could not be replaced.
bool ReplaceProcedure(HWND control, WNDPROC procedure);

/// Gives @p control its own window procedure back, if the window still exists.
void RestoreProcedure(HWND control);

/// Passes a message on to the window procedure that ReplaceProcedure() kept.
LRESULT CallOwnProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace win32
