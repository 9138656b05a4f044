// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

/// When Qt would start on an X server (no other platform asked for, no
/// Wayland session) and none can be reached, the name of the display that was
/// tried (empty when DISPLAY is not set). Qt would end such a start in an abort.
[[nodiscard]] std::optional<std::string> unreachableDisplay(int argc, char *argv[]);
