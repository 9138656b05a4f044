// SPDX-License-Identifier: MIT
#pragma once

#include <ranking/item_list.h>

#include <array>
#include <string>
#include <vector>

namespace ranking {

/// The four lists of the exercise by role, in the order of their indexes.
enum class ListRole { Speakers = 0, Languages = 1, Ranking = 2, SortBuffer = 3 };

inline constexpr int listRoleCount = 4;

/// The speaker counts in millions that the exercise starts with, ascending.
[[nodiscard]] const std::vector<std::string> &InitialSpeakers();

/// The eight languages that the exercise starts with, ascending.
[[nodiscard]] const std::vector<std::string> &InitialLanguages();

/// The whole state of the exercise: speaker counts, languages, the ranking
/// and a hidden sorted list used to put the ranking in order, with the three
/// operations that move counts and languages between them.
///
/// Between operations every count and every language stands in exactly one
/// place, either in its source list or in one ranking entry; the ranking is in
/// descending order of count and the sort buffer is empty.
class RankingBoard
{
public:
    /// All counts and languages in their lists, an empty ranking, no selection.
    RankingBoard();

    [[nodiscard]] ItemList &ListOf(ListRole role);
    [[nodiscard]] const ItemList &ListOf(ListRole role) const;

    [[nodiscard]] ItemList &SpeakersList() { return ListOf(ListRole::Speakers); }
    [[nodiscard]] ItemList &LanguagesList() { return ListOf(ListRole::Languages); }
    [[nodiscard]] ItemList &RankingList() { return ListOf(ListRole::Ranking); }
    [[nodiscard]] ItemList &SortBuffer() { return ListOf(ListRole::SortBuffer); }
    [[nodiscard]] const ItemList &SpeakersList() const { return ListOf(ListRole::Speakers); }
    [[nodiscard]] const ItemList &LanguagesList() const { return ListOf(ListRole::Languages); }
    [[nodiscard]] const ItemList &RankingList() const { return ListOf(ListRole::Ranking); }
    [[nodiscard]] const ItemList &SortBuffer() const { return ListOf(ListRole::SortBuffer); }

    /// Moves the selected count and the selected language into one new ranking
    /// entry and rebuilds the ranking in descending order. Does nothing unless
    /// both a count and a language are selected. Leaves no list with a selection.
    void EnterRelation();

    /// Returns the count and language of the selected ranking entry to their
    /// lists and removes the entry. Does nothing when no entry is selected.
    void TakeOutRelation();

    /// Returns every ranking entry to the source lists, then selects the first
    /// count and the first language.
    void DeleteRanking();

private:
    void ReturnEntry(int rankingIndex);

    std::array<ItemList, listRoleCount> m_lists;
};

} // namespace ranking
