// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace page {

/// The form description as JSON, written field by field from the form apart
/// from the page's style and markup, so that the page tests can hold the page
/// against it and a slip in either shows.
[[nodiscard]] std::string formTable();

} // namespace page
