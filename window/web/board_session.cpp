// SPDX-License-Identifier: MIT
#include "board_session.h"

#include <form/command_dispatch.h>

#include <string_view>

namespace {

using emscripten::val;

[[noreturn]] void throwRangeError(const std::string &message)
{
    val::global("RangeError").new_(val(message)).throw_();
}

void checkShownRole(int role)
{
    if (role < 0 || role > static_cast<int>(ranking::ListRole::Ranking))
        throwRangeError("no shown list has role " + std::to_string(role));
}

} // namespace

BoardSession::BoardSession()
{
    form::Load(m_board);
}

const ranking::ItemList &BoardSession::shownList(int role) const
{
    checkShownRole(role);
    return m_board.list(static_cast<ranking::ListRole>(role));
}

ranking::ItemList &BoardSession::shownList(int role)
{
    checkShownRole(role);
    return m_board.list(static_cast<ranking::ListRole>(role));
}

val BoardSession::items(int role) const
{
    const ranking::ItemList &list = shownList(role);
    val result = val::array();
    for (int index = 0; index < list.ListCount(); ++index)
        result.set(index, val(list.List(index)));
    return result;
}

int BoardSession::listIndex(int role) const
{
    return shownList(role).ListIndex();
}

void BoardSession::setListIndex(int role, int index)
{
    ranking::ItemList &list = shownList(role);
    if (index < -1 || index >= list.ListCount())
        throwRangeError("list " + std::to_string(role) + " has no item " + std::to_string(index) +
                        " (it has " + std::to_string(list.ListCount()) + ")");
    list.SetListIndex(index);
}

std::string BoardSession::runCommand(int index)
{
    return form::RunCommand(m_board, index);
}
