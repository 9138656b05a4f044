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
    EXPECT_THROW((void)form::ControlAt(form::ControlKind::List, 3), std::out_of_range);
    for (int list = 0; list < 3; ++list)
        EXPECT_EQ(form::LabelOf(form::ControlAt(form::ControlKind::List, list)),
                  &form::ControlAt(form::ControlKind::Label, list + 1));
    EXPECT_EQ(form::LabelOf(form::ControlAt(form::ControlKind::Statement, 0)), nullptr);
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
