// SPDX-License-Identifier: MIT
#pragma once

#include <ranking/ranking_board.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ranking::testing {

/// Items and selection of one list, for comparing a board before and after a step.
struct ListState
{
    std::vector<std::string> items;
    int listIndex = -1;

    friend bool operator==(const ListState &, const ListState &) = default;
};

using BoardState = std::array<ListState, listRoleCount>;

[[nodiscard]] BoardState StateOf(const RankingBoard &board);

/// Readable dump of a board, for failure messages.
[[nodiscard]] std::string Describe(const BoardState &state);

/// The first broken invariant of an idle board, or nothing when all hold:
/// every count and language in exactly one place, well-formed entries, the
/// ranking strictly descending, the source lists strictly ascending, the sort
/// buffer empty and every selection inside its list or -1.
[[nodiscard]] std::optional<std::string> CheckInvariants(const BoardState &state);
[[nodiscard]] std::optional<std::string> CheckInvariants(const RankingBoard &board);

/// The first way in which @p after is not what @p operation must make of
/// @p before, or nothing when it is. Covers the items and the selections of all lists.
enum class Operation { Enter, TakeOut, Delete };
[[nodiscard]] std::optional<std::string>
CheckOperation(Operation operation, const BoardState &before, const BoardState &after);

} // namespace ranking::testing
