// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace ranking {

// Character-counting substring helpers for UTF-8 text. A character is one
// code point; a byte that is not a UTF-8 continuation byte starts a new one,
// so malformed input is counted, never overrun.

/// The number of characters in @p text.
[[nodiscard]] int CharLength(std::string_view text);

/// The first @p count characters of @p text (all of it when shorter; none for count <= 0).
[[nodiscard]] std::string LeftChars(std::string_view text, int count);

/// The last @p count characters of @p text (all of it when shorter; none for count <= 0).
[[nodiscard]] std::string RightChars(std::string_view text, int count);

} // namespace ranking
