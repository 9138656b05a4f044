// SPDX-License-Identifier: MIT
#include "board_session.h"
#include "form_export.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(language_ranking)
{
    emscripten::function("formDescription", &FormDescription);
    emscripten::class_<BoardSession>("BoardSession")
        .constructor<>()
        .function("items", &BoardSession::items)
        .function("listIndex", &BoardSession::listIndex)
        .function("setListIndex", &BoardSession::setListIndex)
        .function("runCommand", &BoardSession::runCommand);
}
