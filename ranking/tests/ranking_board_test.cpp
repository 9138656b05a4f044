// SPDX-License-Identifier: MIT
#include "board_check.h"

#include <ranking/ranking_board.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace ranking;
using ranking::testing::CheckInvariants;
using Items = std::vector<std::string>;

namespace {

int indexOf(const ItemList &list, const std::string &item)
{
    const auto &items = list.Items();
    const auto found = std::find(items.begin(), items.end(), item);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

/// Selects @p count and @p language by their texts and presses "enter".
void enter(RankingBoard &board, const std::string &count, const std::string &language)
{
    board.SpeakersList().SetListIndex(indexOf(board.SpeakersList(), count));
    board.LanguagesList().SetListIndex(indexOf(board.LanguagesList(), language));
    board.EnterRelation();
}

class StartedBoard : public ::testing::Test
{
protected:
    void SetUp() override { board.DeleteRanking(); }
    void TearDown() override
    {
        const auto fault = CheckInvariants(board);
        EXPECT_FALSE(fault) << *fault;
    }

    RankingBoard board;
};

} // namespace

TEST(RankingBoardStart, ListsHoldInitialContentsWithoutSelection)
{
    const RankingBoard board;
    EXPECT_EQ(board.SpeakersList().Items(),
              (Items{"100", "200", "300", "400", "500", "600", "700", "800", "900"}));
    EXPECT_EQ(board.LanguagesList().Items(),
              (Items{"английски", "арабски", "испански", "италиански", "китайски", "немски",
                     "руски", "френски"}));
    EXPECT_EQ(board.RankingList().ListCount(), 0);
    EXPECT_EQ(board.SortBuffer().ListCount(), 0);
    for (int role = 0; role < listRoleCount; ++role)
        EXPECT_EQ(board.ListOf(static_cast<ListRole>(role)).ListIndex(), -1);
    EXPECT_TRUE(board.SpeakersList().Sorted());
    EXPECT_TRUE(board.LanguagesList().Sorted());
    EXPECT_FALSE(board.RankingList().Sorted());
    EXPECT_TRUE(board.SortBuffer().Sorted());
    EXPECT_FALSE(board.SortBuffer().Visible());
    EXPECT_TRUE(board.RankingList().Visible());
}

TEST_F(StartedBoard, LoadSelectsFirstCountAndLanguage)
{
    EXPECT_EQ(board.SpeakersList().ListIndex(), 0);
    EXPECT_EQ(board.LanguagesList().ListIndex(), 0);
    EXPECT_EQ(board.RankingList().ListCount(), 0);
}

TEST_F(StartedBoard, EnterRightAfterStartMakesFirstEntryAndClearsSelections)
{
    board.EnterRelation();
    EXPECT_EQ(board.RankingList().Items(), Items{"100 английски"});
    EXPECT_EQ(board.SpeakersList().ListCount(), 8);
    EXPECT_EQ(board.SpeakersList().List(0), "200");
    EXPECT_EQ(board.LanguagesList().ListCount(), 7);
    EXPECT_EQ(board.LanguagesList().List(0), "арабски");
    EXPECT_EQ(board.SpeakersList().ListIndex(), -1);
    EXPECT_EQ(board.LanguagesList().ListIndex(), -1);
    EXPECT_EQ(board.RankingList().ListIndex(), -1);

    board.EnterRelation();
    EXPECT_EQ(board.RankingList().ListCount(), 1) << "a second press at once changes nothing";
}

TEST_F(StartedBoard, RankingIsDescendingWhateverTheOrderOfEntry)
{
    enter(board, "300", "немски");
    enter(board, "900", "руски");
    enter(board, "500", "арабски");
    EXPECT_EQ(board.RankingList().Items(), (Items{"900 руски", "500 арабски", "300 немски"}));
    EXPECT_EQ(board.SortBuffer().ListCount(), 0);
}

TEST_F(StartedBoard, EnterNeedsBothSelections)
{
    board.LanguagesList().SetListIndex(-1);
    board.EnterRelation();
    board.SpeakersList().SetListIndex(-1);
    board.LanguagesList().SetListIndex(3);
    board.EnterRelation();
    EXPECT_EQ(board.RankingList().ListCount(), 0);
    EXPECT_EQ(board.SpeakersList().ListCount(), 9);
    EXPECT_EQ(board.LanguagesList().ListCount(), 8);
    EXPECT_EQ(board.LanguagesList().ListIndex(), 3);
}

TEST_F(StartedBoard, TakeOutReturnsCountAndLanguageToTheirPlaces)
{
    enter(board, "300", "немски");
    enter(board, "900", "руски");
    enter(board, "500", "арабски");
    board.RankingList().SetListIndex(1);
    board.TakeOutRelation();

    EXPECT_EQ(board.RankingList().Items(), (Items{"900 руски", "300 немски"}));
    EXPECT_EQ(board.RankingList().ListIndex(), -1);
    const auto &speakers = board.SpeakersList();
    EXPECT_EQ(indexOf(speakers, "500"), indexOf(speakers, "400") + 1);
    EXPECT_EQ(indexOf(speakers, "600"), indexOf(speakers, "500") + 1);
    EXPECT_EQ(board.LanguagesList().Items(),
              (Items{"английски", "арабски", "испански", "италиански", "китайски", "френски"}));
}

TEST_F(StartedBoard, TakeOutKeepsUserSelectionsOnTheirItems)
{
    enter(board, "300", "немски");
    board.SpeakersList().SetListIndex(indexOf(board.SpeakersList(), "400"));
    board.LanguagesList().SetListIndex(indexOf(board.LanguagesList(), "руски"));
    board.RankingList().SetListIndex(0);
    board.TakeOutRelation();
    EXPECT_EQ(board.SpeakersList().List(board.SpeakersList().ListIndex()), "400");
    EXPECT_EQ(board.LanguagesList().List(board.LanguagesList().ListIndex()), "руски");
}

TEST_F(StartedBoard, TakeOutWithoutSelectedEntryChangesNothing)
{
    enter(board, "300", "немски");
    board.TakeOutRelation();
    EXPECT_EQ(board.RankingList().Items(), Items{"300 немски"});
    EXPECT_EQ(board.SpeakersList().ListCount(), 8);
}

TEST_F(StartedBoard, EightEntriesUseEveryLanguageAndLeaveOneCount)
{
    const auto &languages = InitialLanguages();
    for (std::size_t i = 0; i < languages.size(); ++i)
        enter(board, InitialSpeakers()[i + 1], languages[i]);

    EXPECT_EQ(board.RankingList().ListCount(), 8);
    EXPECT_EQ(board.RankingList().List(0), "900 френски");
    EXPECT_EQ(board.RankingList().List(7), "200 английски");
    EXPECT_EQ(board.LanguagesList().ListCount(), 0);
    EXPECT_EQ(board.SpeakersList().Items(), Items{"100"});

    board.SpeakersList().SetListIndex(0);
    board.EnterRelation();
    EXPECT_EQ(board.RankingList().ListCount(), 8) << "no language is left to enter";
    EXPECT_EQ(board.SpeakersList().Items(), Items{"100"});

    board.DeleteRanking();
    EXPECT_EQ(board.SpeakersList().Items(), InitialSpeakers());
    EXPECT_EQ(board.LanguagesList().Items(), InitialLanguages());
    EXPECT_EQ(board.SpeakersList().ListIndex(), 0);
    EXPECT_EQ(board.LanguagesList().ListIndex(), 0);
    EXPECT_EQ(board.RankingList().ListCount(), 0);
}
