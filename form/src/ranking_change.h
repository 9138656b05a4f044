// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace form::detail {

/// The one entry of @p from that @p other lacks, or nothing: with the ranking
/// before and after a press, the entry the press put in or took out.
inline std::optional<std::string> EntryMissingFrom(const std::vector<std::string> &other,
                                                   const std::vector<std::string> &from)
{
    for (const std::string &entry : from) {
        if (std::find(other.begin(), other.end(), entry) == other.end())
            return entry;
    }
    return std::nullopt;
}

} // namespace form::detail
