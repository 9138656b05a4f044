// SPDX-License-Identifier: MIT
#include <ranking/ranking_entry.h>

#include <ranking/text.h>

#include <stdexcept>

namespace ranking {

std::string JoinEntry(std::string_view count, std::string_view language)
{
    std::string entry;
    entry.reserve(count.size() + 1 + language.size());
    entry.append(count).append(" ").append(language);
    return entry;
}

RankingEntry SplitEntry(std::string_view entry)
{
    const int length = CharLength(entry);
    if (length <= entryCountWidth + 1)
        throw std::invalid_argument("not a ranking entry: \"" + std::string(entry) + '"');
    return {LeftChars(entry, entryCountWidth), RightChars(entry, length - entryCountWidth - 1)};
}

} // namespace ranking
