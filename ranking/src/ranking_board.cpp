// SPDX-License-Identifier: MIT
#include <ranking/ranking_board.h>

#include <ranking/ranking_entry.h>

namespace ranking {

const std::vector<std::string> &InitialSpeakers()
{
    static const std::vector<std::string> speakers{"100", "200", "300", "400", "500",
                                                   "600", "700", "800", "900"};
    return speakers;
}

const std::vector<std::string> &InitialLanguages()
{
    static const std::vector<std::string> languages{
        "английски", "арабски", "испански", "италиански", "китайски", "немски", "руски", "френски"};
    return languages;
}

RankingBoard::RankingBoard()
    : m_lists{ItemList(ItemList::Order::Sorted, ItemList::Visibility::Shown, InitialSpeakers()),
              ItemList(ItemList::Order::Sorted, ItemList::Visibility::Shown, InitialLanguages()),
              ItemList(ItemList::Order::Unsorted, ItemList::Visibility::Shown),
              ItemList(ItemList::Order::Sorted, ItemList::Visibility::Hidden)}
{}

ItemList &RankingBoard::ListOf(ListRole role)
{
    return m_lists[static_cast<std::size_t>(role)];
}

const ItemList &RankingBoard::ListOf(ListRole role) const
{
    return m_lists[static_cast<std::size_t>(role)];
}

void RankingBoard::EnterRelation()
{
    const int countIndex = SpeakersList().ListIndex();
    const int languageIndex = LanguagesList().ListIndex();
    if (countIndex < 0 || languageIndex < 0)
        return;

    const std::string count = SpeakersList().List(countIndex);
    SpeakersList().RemoveItem(countIndex);
    const std::string language = LanguagesList().List(languageIndex);
    LanguagesList().RemoveItem(languageIndex);

    // The ranking is rebuilt whole through the sorted buffer: everything goes
    // in, then comes back out from the last item to the first, highest count on top.
    SortBuffer().AddItem(JoinEntry(count, language));
    const int entriesBefore = RankingList().ListCount();
    for (int moved = 0; moved < entriesBefore; ++moved) {
        SortBuffer().AddItem(RankingList().List(0));
        RankingList().RemoveItem(0);
    }
    for (int bufferRow = SortBuffer().ListCount(); bufferRow >= 1; --bufferRow)
        RankingList().AddItem(SortBuffer().List(bufferRow - 1));
    SortBuffer().Clear();
}

void RankingBoard::TakeOutRelation()
{
    const int entryIndex = RankingList().ListIndex();
    if (entryIndex < 0)
        return;
    ReturnEntry(entryIndex);
}

void RankingBoard::DeleteRanking()
{
    const int entries = RankingList().ListCount();
    for (int returned = 0; returned < entries; ++returned)
        ReturnEntry(0);
    SpeakersList().SetListIndex(0);
    LanguagesList().SetListIndex(0);
}

void RankingBoard::ReturnEntry(int rankingIndex)
{
    const RankingEntry entry = SplitEntry(RankingList().List(rankingIndex));
    SpeakersList().AddItem(entry.count);
    LanguagesList().AddItem(entry.language);
    RankingList().RemoveItem(rankingIndex);
}

} // namespace ranking
