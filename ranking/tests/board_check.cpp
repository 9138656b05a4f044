// SPDX-License-Identifier: MIT
#include "board_check.h"

#include <ranking/ranking_entry.h>
#include <ranking/text.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace ranking::testing {

namespace {

const ListState &stateOf(const BoardState &state, ListRole role)
{
    return state[static_cast<std::size_t>(role)];
}

bool strictlyAscending(const std::vector<std::string> &items)
{
    return std::adjacent_find(items.begin(), items.end(), std::greater_equal<>()) == items.end();
}

bool strictlyDescending(const std::vector<std::string> &items)
{
    return std::adjacent_find(items.begin(), items.end(), std::less_equal<>()) == items.end();
}

std::optional<std::string> checkEachOnce(const char *what, const std::vector<std::string> &all,
                                         const std::vector<std::string> &found)
{
    std::map<std::string, int> seen;
    for (const auto &item : found)
        ++seen[item];
    for (const auto &item : all) {
        if (seen[item] != 1)
            return std::string(what) + " \"" + item + "\" stands in " + std::to_string(seen[item]) +
                   " places";
    }
    if (found.size() != all.size())
        return std::string("unexpected ") + what + " on the board";
    return std::nullopt;
}

std::string itemAt(const ListState &list)
{
    return list.listIndex < 0 ? std::string("<none>")
                              : list.items.at(static_cast<std::size_t>(list.listIndex));
}

std::optional<std::string> checkEnter(const BoardState &before, const BoardState &after)
{
    const auto &speakers = stateOf(before, ListRole::Speakers);
    const auto &languages = stateOf(before, ListRole::Languages);
    if (speakers.listIndex < 0 || languages.listIndex < 0) {
        if (after != before)
            return "EnterRelation without both selections changed the board";
        return std::nullopt;
    }
    for (const auto &list : after) {
        if (list.listIndex != -1)
            return "a list keeps a selection after EnterRelation";
    }
    const std::string entry = JoinEntry(itemAt(speakers), itemAt(languages));
    auto ranking = stateOf(before, ListRole::Ranking).items;
    ranking.push_back(entry);
    std::sort(ranking.begin(), ranking.end(), std::greater<>());
    if (stateOf(after, ListRole::Ranking).items != ranking)
        return "the ranking is not the old one plus \"" + entry + "\" in descending order";
    return std::nullopt;
}

std::optional<std::string> checkTakeOut(const BoardState &before, const BoardState &after)
{
    const auto &ranking = stateOf(before, ListRole::Ranking);
    if (ranking.listIndex < 0) {
        if (after != before)
            return "TakeOutRelation without a selected entry changed the board";
        return std::nullopt;
    }
    if (stateOf(after, ListRole::Ranking).listIndex != -1)
        return "the ranking keeps a selection after TakeOutRelation";
    auto remaining = ranking.items;
    remaining.erase(remaining.begin() + ranking.listIndex);
    if (stateOf(after, ListRole::Ranking).items != remaining)
        return "TakeOutRelation did not remove exactly the selected entry";
    for (auto role : {ListRole::Speakers, ListRole::Languages}) {
        if (itemAt(stateOf(before, role)) != itemAt(stateOf(after, role)))
            return "TakeOutRelation moved the selection of a source list to another item";
    }
    return std::nullopt;
}

std::optional<std::string> checkDelete(const BoardState &after)
{
    const auto &speakers = stateOf(after, ListRole::Speakers);
    const auto &languages = stateOf(after, ListRole::Languages);
    if (!stateOf(after, ListRole::Ranking).items.empty())
        return "the ranking is not empty after DeleteRanking";
    if (speakers.items != InitialSpeakers() || languages.items != InitialLanguages())
        return "DeleteRanking did not return every count and language";
    if (speakers.listIndex != 0 || languages.listIndex != 0)
        return "DeleteRanking did not select the first count and language";
    return std::nullopt;
}

} // namespace

BoardState StateOf(const RankingBoard &board)
{
    BoardState state;
    for (int role = 0; role < listRoleCount; ++role) {
        const auto &list = board.ListOf(static_cast<ListRole>(role));
        state[static_cast<std::size_t>(role)] = {list.Items(), list.ListIndex()};
    }
    return state;
}

std::string Describe(const BoardState &state)
{
    static constexpr const char *names[] = {"speakers", "languages", "ranking", "buffer"};
    std::ostringstream out;
    for (int role = 0; role < listRoleCount; ++role) {
        const auto &list = state[static_cast<std::size_t>(role)];
        out << names[role] << " [" << list.listIndex << "]:";
        for (const auto &item : list.items)
            out << " \"" << item << '"';
        out << '\n';
    }
    return out.str();
}

std::optional<std::string> CheckInvariants(const RankingBoard &board)
{
    return CheckInvariants(StateOf(board));
}

std::optional<std::string> CheckInvariants(const BoardState &state)
{
    for (const auto &list : state) {
        if (list.listIndex < -1 || list.listIndex >= static_cast<int>(list.items.size()))
            return "a selection lies outside its list";
    }
    if (!stateOf(state, ListRole::SortBuffer).items.empty())
        return "the sort buffer is not empty";

    auto counts = stateOf(state, ListRole::Speakers).items;
    auto languages = stateOf(state, ListRole::Languages).items;
    if (!strictlyAscending(counts) || !strictlyAscending(languages))
        return "a source list is not in ascending order";
    const auto &ranking = stateOf(state, ListRole::Ranking).items;
    if (!strictlyDescending(ranking))
        return "the ranking is not in descending order";
    for (const auto &entry : ranking) {
        if (CharLength(entry) <= entryCountWidth + 1)
            return "malformed entry \"" + entry + '"';
        const RankingEntry parts = SplitEntry(entry);
        if (JoinEntry(parts.count, parts.language) != entry)
            return "malformed entry \"" + entry + '"';
        counts.push_back(parts.count);
        languages.push_back(parts.language);
    }
    if (auto fault = checkEachOnce("count", InitialSpeakers(), counts))
        return fault;
    return checkEachOnce("language", InitialLanguages(), languages);
}

std::optional<std::string> CheckOperation(Operation operation, const BoardState &before,
                                          const BoardState &after)
{
    switch (operation) {
    case Operation::Enter:
        return checkEnter(before, after);
    case Operation::TakeOut:
        return checkTakeOut(before, after);
    case Operation::Delete:
        return checkDelete(after);
    }
    return std::nullopt;
}

} // namespace ranking::testing
