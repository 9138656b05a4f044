// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace page {

/// The window's controls as HTML in reading order, the lists as list boxes
/// holding a board's items after the load step.
[[nodiscard]] std::string windowMarkup();

} // namespace page
