// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace page {

/// The form's colours and font as CSS for every width, and its geometry for
/// widths where the whole window fits.
[[nodiscard]] std::string windowStyle();

} // namespace page
