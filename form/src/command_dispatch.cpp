// SPDX-License-Identifier: MIT
#include <form/command_dispatch.h>

#include "ranking_change.h"

#include <ranking/ranking_board.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace form {

namespace {

using Entries = std::vector<std::string>;

std::string quoted(const std::string &entry)
{
    return "„" + entry + "“";
}

std::string describeEnter(const Entries &before, const Entries &after)
{
    const auto entry = detail::EntryMissingFrom(before, after);
    if (!entry)
        return "Нищо не е въведено: изберете брой говорещи и език.";
    const auto place = std::find(after.begin(), after.end(), *entry) - after.begin() + 1;
    return "Въведено " + quoted(*entry) + ", място " + std::to_string(place) + " от " +
           std::to_string(after.size()) + " в класацията.";
}

std::string describeTakeOut(const Entries &before, const Entries &after)
{
    const auto entry = detail::EntryMissingFrom(after, before);
    if (!entry)
        return "Нищо не е изведено: изберете ред от класацията.";
    const std::string rest =
        after.empty()       ? "Класацията е празна."
        : after.size() == 1 ? "В класацията остава 1 ред."
                            : "В класацията остават " + std::to_string(after.size()) + " реда.";
    return "Изведено " + quoted(*entry) + ". " + rest;
}

std::string describeDelete(const Entries &before)
{
    if (before.empty())
        return "Класацията е празна. Избрани са първият брой и първият език.";
    return "Класацията е изтрита. Избрани са първият брой и първият език.";
}

std::string runAndDescribe(ranking::RankingBoard &board, int index, const Entries &before)
{
    switch (index) {
    case Enter:
        board.EnterRelation();
        return describeEnter(before, board.RankingList().Items());
    case TakeOut:
        board.TakeOutRelation();
        return describeTakeOut(before, board.RankingList().Items());
    case Delete:
        board.DeleteRanking();
        return describeDelete(before);
    default:
        return {};
    }
}

} // namespace

void Load(ranking::RankingBoard &board)
{
    board.DeleteRanking();
}

std::string RunCommand(ranking::RankingBoard &board, int index)
{
    return Press(board, index).sentence;
}

PressOutcome Press(ranking::RankingBoard &board, int index)
{
    const Entries before = board.RankingList().Items();
    std::string sentence = runAndDescribe(board, index, before);
    return {.sentence = std::move(sentence), .inView = ListsInViewAfter(index, before, board)};
}

} // namespace form
