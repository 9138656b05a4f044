// SPDX-License-Identifier: MIT
#include "control_id.h"

namespace win32 {

int ControlId(const form::Control &control)
{
    constexpr int idsPerKind = 100;
    return (static_cast<int>(control.kind) + 1) * idsPerKind + control.index;
}

} // namespace win32
