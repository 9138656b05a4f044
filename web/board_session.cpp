// SPDX-License-Identifier: MIT
#include "board_session.h"

#include <form/command_dispatch.h>

#include <algorithm>
#include <string_view>

namespace {

using emscripten::val;

[[noreturn]] void throwRangeError(const std::string &message)
{
    val::global("RangeError").new_(val(message)).throw_();
}

void checkShownRole(ranking::ListRole role)
{
    if (role == ranking::ListRole::SortBuffer)
        throwRangeError("the sort buffer is never shown");
}

} // namespace

BoardSession::BoardSession()
{
    form::Load(m_board);
}

const ranking::ItemList &BoardSession::shownList(ranking::ListRole role) const
{
    checkShownRole(role);
    return m_board.ListOf(role);
}

ranking::ItemList &BoardSession::shownList(ranking::ListRole role)
{
    checkShownRole(role);
    return m_board.ListOf(role);
}

val BoardSession::items(ranking::ListRole role) const
{
    const ranking::ItemList &list = shownList(role);
    val result = val::array();
    for (int index = 0; index < list.ListCount(); ++index)
        result.set(index, val(list.List(index)));
    return result;
}

int BoardSession::listIndex(ranking::ListRole role) const
{
    return shownList(role).ListIndex();
}

void BoardSession::setListIndex(ranking::ListRole role, int index)
{
    ranking::ItemList &list = shownList(role);
    if (index < -1 || index >= list.ListCount())
        throwRangeError("the list has no item " + std::to_string(index) + " (it has " +
                        std::to_string(list.ListCount()) + ")");
    list.SetListIndex(index);
}

std::string BoardSession::press(int index)
{
    form::PressOutcome outcome = form::Press(m_board, index);
    m_inViewAfterPress = std::move(outcome.inView);
    return std::move(outcome.sentence);
}

int BoardSession::topRowAfterPress(ranking::ListRole role, int topRow, int visibleRows) const
{
    checkShownRole(role);
    const auto view =
        std::find_if(m_inViewAfterPress.begin(), m_inViewAfterPress.end(),
                     [role](const form::ListInView &each) { return each.role == role; });
    return view == m_inViewAfterPress.end() ? topRow
                                            : form::TopRowAfter(*view, topRow, visibleRows);
}
