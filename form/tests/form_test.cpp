// SPDX-License-Identifier: MIT
#include <form/command_dispatch.h>
#include <form/form_description.h>

#include <board_check.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ranking::RankingBoard;
using ranking::testing::StateOf;

TEST(FormDescription, TabOrderGoesFromTheStatementToTheLastButton)
{
    std::vector<std::string> names;
    for (const form::Control *control : form::TabOrder())
        names.emplace_back(control->name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"statement", "speakersList", "languagesList", "rankingList",
                                        "enterButton", "takeOutButton", "deleteButton"}));
}

TEST(FormDescription, EveryControlLiesInsideTheClientArea)
{
    for (const form::Control &control : form::Controls()) {
        const form::Geometry &g = control.geometry;
        EXPECT_TRUE(g.left >= 0 && g.top >= 0 && g.left + g.width <= form::clientSize.width &&
                    g.top + g.height <= form::clientSize.height)
            << control.name;
    }
}

TEST(FormDescription, EachShownListHasItsRoleAndTheLabelAboveIt)
{
    using ranking::ListRole;
    for (const ListRole role : {ListRole::Speakers, ListRole::Languages, ListRole::Ranking}) {
        const form::Control &list = form::ListControl(role);
        EXPECT_EQ(list.listRole, role);
        const form::Control *label = form::LabelOf(list);
        ASSERT_NE(label, nullptr) << list.name;
        EXPECT_STREQ(label->text, list.accessibleName);
        EXPECT_EQ(label->geometry.left, list.geometry.left) << list.name;
        EXPECT_EQ(label->geometry.width, list.geometry.width) << list.name;
    }
    EXPECT_THROW((void)form::ListControl(ListRole::SortBuffer), std::out_of_range);
    EXPECT_EQ(form::LabelOf(form::ControlAt(form::ControlKind::Statement, 0)), nullptr);
    for (int command = 0; command < 3; ++command)
        EXPECT_EQ(form::ControlAt(form::ControlKind::Command, command).command, command);
}

TEST(FormDescription, ListRowsAreWholeAndScrollOnlyAsFarAsNeeded)
{
    // The lists are 80 px high with a 2 px frame: 76 px inside.
    EXPECT_EQ(form::WholeRowHeight(19, 76), 19);
    EXPECT_EQ(form::WholeRowHeight(18, 76), 19); // four rows that fill the list
    EXPECT_EQ(form::WholeRowHeight(22, 76), 25); // three
    EXPECT_EQ(form::WholeRowHeight(90, 76), 90); // never less than the text needs
    EXPECT_EQ(form::TopRowShowing(2, 0, 4), 0);
    EXPECT_EQ(form::TopRowShowing(5, 0, 4), 2);
    EXPECT_EQ(form::TopRowShowing(1, 3, 4), 1);
}

TEST(CommandDispatch, EachIndexRunsItsOperationAndSaysWhatChanged)
{
    RankingBoard board;
    form::Load(board);
    EXPECT_EQ(form::RunCommand(board, form::Enter),
              "Въведено „100 английски“, място 1 от 1 в класацията.");
    EXPECT_EQ(form::RunCommand(board, form::Enter),
              "Нищо не е въведено: изберете брой говорещи и език.");

    board.SpeakersList().SetListIndex(4);  // 600
    board.LanguagesList().SetListIndex(0); // арабски
    EXPECT_EQ(form::RunCommand(board, form::Enter),
              "Въведено „600 арабски“, място 1 от 2 в класацията.");

    EXPECT_EQ(form::RunCommand(board, form::TakeOut),
              "Нищо не е изведено: изберете ред от класацията.");
    board.RankingList().SetListIndex(1);
    EXPECT_EQ(form::RunCommand(board, form::TakeOut),
              "Изведено „100 английски“. В класацията остава 1 ред.");

    EXPECT_EQ(form::RunCommand(board, form::Delete),
              "Класацията е изтрита. Избрани са първият брой и първият език.");
    EXPECT_TRUE(board.RankingList().Items().empty());
    EXPECT_EQ(form::RunCommand(board, form::Delete),
              "Класацията е празна. Избрани са първият брой и първият език.");
}

TEST(CommandDispatch, AnyOtherIndexDoesNothing)
{
    RankingBoard board;
    form::Load(board);
    const auto before = StateOf(board);
    for (int index : {-1, 3, 100})
        EXPECT_EQ(form::RunCommand(board, index), "");
    EXPECT_EQ(StateOf(board), before);
}

TEST(ListsInView, APressShowsWhatItChangedAndASelectionKeepsPriority)
{
    using ranking::ListRole;
    RankingBoard board;
    form::Load(board);
    board.SpeakersList().SetListIndex(2);  // 300
    board.LanguagesList().SetListIndex(5); // немски
    (void)form::Press(board, form::Enter);
    board.SpeakersList().SetListIndex(7);  // 900 (100 and 300 are gone)
    board.LanguagesList().SetListIndex(5); // руски
    const form::PressOutcome entered = form::Press(board, form::Enter);
    ASSERT_EQ(entered.inView.size(), 1U);
    EXPECT_EQ(entered.inView[0].role, ListRole::Ranking);
    EXPECT_EQ(entered.inView[0].row, 0);                         // «900 руски» goes on top
    EXPECT_TRUE(form::Press(board, form::Enter).inView.empty()); // nothing selected, nothing shown

    // «300 немски» comes out: немски comes into view after китайски, while
    // the speakers list keeps its chosen 800 in view, not the returned 300.
    board.SpeakersList().SetListIndex(6); // 800
    board.RankingList().SetListIndex(1);
    const form::PressOutcome takenOut = form::Press(board, form::TakeOut);
    ASSERT_EQ(takenOut.inView.size(), 2U);
    EXPECT_EQ(takenOut.inView[0].role, ListRole::Speakers);
    EXPECT_EQ(takenOut.inView[0].row, 7);
    EXPECT_EQ(takenOut.inView[1].role, ListRole::Languages);
    EXPECT_EQ(takenOut.inView[1].row, 5);

    const form::PressOutcome deleted = form::Press(board, form::Delete);
    ASSERT_EQ(deleted.inView.size(), 3U);
    for (const form::ListInView &view : deleted.inView) {
        EXPECT_TRUE(view.toTop);
        EXPECT_EQ(form::TopRowAfter(view, 5, 4), 0);
    }
    EXPECT_EQ(form::TopRowAfter({.role = ListRole::Ranking, .row = 6}, 0, 4), 3);
    EXPECT_EQ(form::TopRowAfter({.role = ListRole::Ranking}, 2, 4), 2);
}
