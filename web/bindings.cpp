// SPDX-License-Identifier: MIT
// The module's exports: plain C functions over one BoardSession, strings as
// UTF-8 in the module's memory; module_api.js gives the page its objects.
#include "board_session.h"

#include <form/form_description.h>

#include <emscripten/emscripten.h>

extern "C" {

// One session lives as long as the page.
EMSCRIPTEN_KEEPALIVE BoardSession *boardSessionNew()
{
    return new BoardSession;
}

EMSCRIPTEN_KEEPALIVE int boardSessionItemCount(BoardSession *session, int role)
{
    return session->itemCount(role);
}

EMSCRIPTEN_KEEPALIVE const char *boardSessionItem(BoardSession *session, int role, int index)
{
    return session->item(role, index).c_str();
}

EMSCRIPTEN_KEEPALIVE int boardSessionListIndex(BoardSession *session, int role)
{
    return session->listIndex(role);
}

EMSCRIPTEN_KEEPALIVE void boardSessionSetListIndex(BoardSession *session, int role, int index)
{
    session->setListIndex(role, index);
}

EMSCRIPTEN_KEEPALIVE const char *boardSessionPress(BoardSession *session, int index)
{
    return session->press(index).c_str();
}

EMSCRIPTEN_KEEPALIVE int boardSessionTopRowAfterPress(BoardSession *session, int role, int topRow,
                                                      int visibleRows)
{
    return session->topRowAfterPress(role, topRow, visibleRows);
}

EMSCRIPTEN_KEEPALIVE const char *boardSessionRefusal(BoardSession *session)
{
    return session->refusal().c_str();
}

EMSCRIPTEN_KEEPALIVE int topRowShowing(int row, int topRow, int visibleRows)
{
    return form::TopRowShowing(row, topRow, visibleRows);
}

} // extern "C"
