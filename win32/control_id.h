// SPDX-License-Identifier: MIT
#pragma once

#include <form/form_description.h>

namespace win32 {

/// The child-window id of a control of the form: unique per control, and the
/// way the window and its tests find a control (GetDlgItem).
[[nodiscard]] int ControlId(const form::Control &control);

} // namespace win32
