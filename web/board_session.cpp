// SPDX-License-Identifier: MIT
#include "board_session.h"

#include <form/command_dispatch.h>

#include <algorithm>

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

const std::string &BoardSession::press(int index)
{
    m_refusal.clear();
    form::PressOutcome outcome = form::Press(m_board, index);
    m_inViewAfterPress = std::move(outcome.inView);
    m_reply = std::move(outcome.sentence);
    return m_reply;
}

int BoardSession::topRowAfterPress(int role, int topRow, int visibleRows)
{
    if (!shownList(role))
        return topRow;
    const auto view = std::find_if(
        m_inViewAfterPress.begin(), m_inViewAfterPress.end(),
        [role](const form::ListInView &each) { return static_cast<int>(each.role) == role; });
    return view == m_inViewAfterPress.end() ? topRow
                                            : form::TopRowAfter(*view, topRow, visibleRows);
}

const std::string &BoardSession::refusal() const
{
    return m_refusal;
}
