// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace ranking {

/// The two halves of a ranking entry such as "300 немски": a speaker count of
/// exactly three characters, one blank, and a language name.
struct RankingEntry
{
    std::string count;
    std::string language;

    friend bool operator==(const RankingEntry &, const RankingEntry &) = default;
};

/// Width of the count at the start of every entry, in characters.
inline constexpr int entryCountWidth = 3;

/// The entry text: the count, one blank, the language.
[[nodiscard]] std::string JoinEntry(std::string_view count, std::string_view language);

/// Splits an entry by position, not by searching for the blank: the count is
/// the first three characters and the language everything after the fourth.
/// Throws std::invalid_argument for a text too short to be an entry (fewer
/// than five characters), which no entry made by JoinEntry() is.
[[nodiscard]] RankingEntry SplitEntry(std::string_view entry);

} // namespace ranking
