// SPDX-License-Identifier: MIT
#pragma once

#include <form/list_in_view.h>

#include <string>
#include <vector>

namespace form {

/// The command buttons by index, as RunCommand() takes them.
enum Command { Enter = 0, TakeOut = 1, Delete = 2 };

/// The window's load step, run once before it is first shown: empties the
/// ranking and selects the first count and the first language.
void Load(ranking::RankingBoard &board);

/// Runs the operation of command button @p index on @p board; any other index
/// does nothing. Returns one Bulgarian sentence that tells a screen-reader
/// user what the press did to the ranking.
std::string RunCommand(ranking::RankingBoard &board, int index);

/// What one press of a command button did: the sentence RunCommand() returns,
/// and the lists whose view the press decides (ListsInViewAfter()).
struct PressOutcome
{
    std::string sentence;
    std::vector<ListInView> inView;
};

/// Runs command button @p index like RunCommand(), and also says what must
/// come into view.
PressOutcome Press(ranking::RankingBoard &board, int index);

} // namespace form
