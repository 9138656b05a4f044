// SPDX-License-Identifier: MIT
#pragma once

#include <ranking/ranking_board.h>

#include <optional>
#include <string>
#include <vector>

namespace form {

/// Where one shown list is to scroll after a press: back to its first row,
/// or just far enough to show one row whole.
struct ListInView
{
    ranking::ListRole role;
    bool toTop = false;
    std::optional<int> row{};
};

/// The lists whose view the press of command button @p command decides, given
/// the ranking's entries before the press and the board after it. Въведи
/// shows the new entry; Изведи shows the returned count and language, except
/// in a list with a selection, which keeps its selection in view; Изтрий
/// brings the three lists back to their first rows. A press that changed
/// nothing decides nothing.
[[nodiscard]] std::vector<ListInView>
ListsInViewAfter(int command, const std::vector<std::string> &rankingBefore,
                 const ranking::RankingBoard &board);

/// The top row of a list that shows @p visibleRows whole rows from @p topRow,
/// once @p view is applied to it.
[[nodiscard]] int TopRowAfter(const ListInView &view, int topRow, int visibleRows);

} // namespace form
