// SPDX-License-Identifier: MIT
#include <form/list_in_view.h>

#include "ranking_change.h"

#include <form/command_dispatch.h>
#include <form/form_description.h>
#include <ranking/ranking_entry.h>

#include <algorithm>

namespace form {

namespace {

using ranking::ItemList;
using ranking::ListRole;
using Entries = std::vector<std::string>;

std::optional<int> rowOf(const ItemList &list, const std::string &item)
{
    const Entries &items = list.Items();
    const auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end())
        return std::nullopt;
    return static_cast<int>(found - items.begin());
}

// A list that holds a selection keeps it in view; otherwise the returned item comes into view.
ListInView returnedItemInView(const ItemList &list, ListRole role, const std::string &item)
{
    if (list.ListIndex() >= 0)
        return {.role = role, .row = list.ListIndex()};
    return {.role = role, .row = rowOf(list, item)};
}

std::vector<ListInView> afterEnter(const Entries &rankingBefore, const ranking::RankingBoard &board)
{
    const auto entry = detail::EntryMissingFrom(rankingBefore, board.RankingList().Items());
    if (!entry)
        return {};
    return {{.role = ListRole::Ranking, .row = rowOf(board.RankingList(), *entry)}};
}

std::vector<ListInView> afterTakeOut(const Entries &rankingBefore,
                                     const ranking::RankingBoard &board)
{
    const auto entry = detail::EntryMissingFrom(board.RankingList().Items(), rankingBefore);
    if (!entry)
        return {};
    const ranking::RankingEntry returned = ranking::SplitEntry(*entry);
    return {returnedItemInView(board.SpeakersList(), ListRole::Speakers, returned.count),
            returnedItemInView(board.LanguagesList(), ListRole::Languages, returned.language)};
}

std::vector<ListInView> afterDelete()
{
    return {{.role = ListRole::Speakers, .toTop = true},
            {.role = ListRole::Languages, .toTop = true},
            {.role = ListRole::Ranking, .toTop = true}};
}

} // namespace

std::vector<ListInView> ListsInViewAfter(int command, const std::vector<std::string> &rankingBefore,
                                         const ranking::RankingBoard &board)
{
    switch (command) {
    case Enter:
        return afterEnter(rankingBefore, board);
    case TakeOut:
        return afterTakeOut(rankingBefore, board);
    case Delete:
        return afterDelete();
    default:
        return {};
    }
}

int TopRowAfter(const ListInView &view, int topRow, int visibleRows)
{
    if (view.toTop)
        return 0;
    if (view.row)
        return TopRowShowing(*view.row, topRow, visibleRows);
    return topRow;
}

} // namespace form
