// SPDX-License-Identifier: MIT
#pragma once

#include <form/list_in_view.h>
#include <ranking/ranking_board.h>

#include <emscripten/val.h>

#include <string>
#include <vector>

/// The exercise's board as the page sees it: the shown lists by role, the
/// selection the user makes, and the command buttons by index. Every call
/// from the page is checked here, so a wrong role or index reaches the page
/// as a RangeError naming what was wrong, and the board stays as it was.
class BoardSession
{
public:
    /// A board after the window's load step.
    BoardSession();

    /// The items of shown list @p role, as a JavaScript array of strings.
    [[nodiscard]] emscripten::val items(ranking::ListRole role) const;
    [[nodiscard]] int listIndex(ranking::ListRole role) const;

    /// Selects item @p index of shown list @p role, or nothing with -1.
    void setListIndex(ranking::ListRole role, int index);

    /// Presses command button @p index; returns what the press did, in Bulgarian.
    [[nodiscard]] std::string press(int index);

    /// The top row of shown list @p role, which shows @p visibleRows whole
    /// rows from @p topRow, once what the last press decided for its view is
    /// applied (the form's rule: the changed row in view, or back to the top).
    [[nodiscard]] int topRowAfterPress(ranking::ListRole role, int topRow, int visibleRows) const;

private:
    [[nodiscard]] const ranking::ItemList &shownList(ranking::ListRole role) const;
    [[nodiscard]] ranking::ItemList &shownList(ranking::ListRole role);

    ranking::RankingBoard m_board;
    std::vector<form::ListInView> m_inViewAfterPress;
};
