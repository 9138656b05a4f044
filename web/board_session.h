// SPDX-License-Identifier: MIT
#pragma once

#include <form/list_in_view.h>
#include <ranking/ranking_board.h>

#include <string>
#include <vector>

/// The exercise's board as the page sees it: the shown lists by role, the
/// selection the user makes, and the command buttons by index. Every call
/// from the page is checked here: a wrong role or index changes nothing and
/// leaves refusal() naming what was wrong, which the page raises as a
/// RangeError.
class BoardSession
{
public:
    /// A board after the window's load step.
    BoardSession();

    /// The number of items of shown list @p role.
    [[nodiscard]] int itemCount(int role);
    /// Item @p index of shown list @p role.
    [[nodiscard]] const std::string &item(int role, int index);
    [[nodiscard]] int listIndex(int role);

    /// Selects item @p index of shown list @p role, or nothing with -1.
    void setListIndex(int role, int index);

    /// Presses command button @p index; returns what the press did, in Bulgarian.
    [[nodiscard]] const std::string &press(int index);

    /// The top row of shown list @p role, which shows @p visibleRows whole
    /// rows from @p topRow, once what the last press decided for its view is
    /// applied (the form's rule: the changed row in view, or back to the top).
    [[nodiscard]] int topRowAfterPress(int role, int topRow, int visibleRows);

    /// Why the last call was refused; empty when it was not.
    [[nodiscard]] const std::string &refusal() const;

private:
    [[nodiscard]] ranking::ItemList *shownList(int role);

    ranking::RankingBoard m_board;
    std::vector<form::ListInView> m_inViewAfterPress;
    std::string m_reply;
    std::string m_refusal;
};
