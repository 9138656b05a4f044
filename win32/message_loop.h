// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace win32 {

/// Runs the thread's messages until WM_QUIT, with keyboard navigation between
/// the controls of @p window as in a dialog. Returns the WM_QUIT exit code.
int RunMessageLoop(HWND window);

} // namespace win32
