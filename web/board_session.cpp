// SPDX-License-Identifier: MIT
#include "board_session.h"

#include <form/command_dispatch.h>

namespace {

const std::string nothing;

} // namespace

BoardSession::BoardSession()
{
    form::Load(m_board);
}

ranking::ItemList *BoardSession::shownList(int role)
{
    m_refusal.clear();
    if (role == static_cast<int>(ranking::ListRole::SortBuffer)) {
        m_refusal = "the sort buffer is never shown";
        return nullptr;
    }
    if (role < 0 || role >= ranking::listRoleCount) {
        m_refusal = "there is no list " + std::to_string(role);
        return nullptr;
    }
    return &m_board.ListOf(static_cast<ranking::ListRole>(role));
}

int BoardSession::itemCount(int role)
{
    const ranking::ItemList *list = shownList(role);
    return list ? list->ListCount() : 0;
}

const std::string &BoardSession::item(int role, int index)
{
    const ranking::ItemList *list = shownList(role);
    if (!list)
        return nothing;
    if (index < 0 || index >= list->ListCount()) {
        m_refusal = "the list has no item " + std::to_string(index);
        return nothing;
    }
    return list->List(index);
}

int BoardSession::listIndex(int role)
{
    const ranking::ItemList *list = shownList(role);
    return list ? list->ListIndex() : -1;
}

void BoardSession::setListIndex(int role, int index)
{
    ranking::ItemList *list = shownList(role);
    if (!list)
        return;
    if (index < -1 || index >= list->ListCount()) {
        m_refusal = "the list has no item " + std::to_string(index) + " (it has " +
                    std::to_string(list->ListCount()) + ")";
        return;
    }
    list->SetListIndex(index);
}

const std::string &BoardSession::runCommand(int index)
{
    m_refusal.clear();
    m_reply = form::RunCommand(m_board, index);
    return m_reply;
}

const std::string &BoardSession::refusal() const
{
    return m_refusal;
}
