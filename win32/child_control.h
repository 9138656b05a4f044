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

} // namespace win32
