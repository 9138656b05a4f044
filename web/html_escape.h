// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace page {

/// @p text as HTML element content or a double-quoted attribute value: the
/// characters that would end or open markup (&, <, >, ") as entities, every
/// other character, Cyrillic included, as it is.
[[nodiscard]] std::string escapedHtml(std::string_view text);

} // namespace page
