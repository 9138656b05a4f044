// SPDX-License-Identifier: MIT
#include "board_session.h"

#include <form/form_description.h>

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(language_ranking)
{
    emscripten::enum_<ranking::ListRole>("ListRole")
        .value("Speakers", ranking::ListRole::Speakers)
        .value("Languages", ranking::ListRole::Languages)
        .value("Ranking", ranking::ListRole::Ranking)
        .value("SortBuffer", ranking::ListRole::SortBuffer);
    emscripten::function("topRowShowing", &form::TopRowShowing);
    emscripten::class_<BoardSession>("BoardSession")
        .constructor<>()
        .function("items", &BoardSession::items)
        .function("listIndex", &BoardSession::listIndex)
        .function("setListIndex", &BoardSession::setListIndex)
        .function("runCommand", &BoardSession::runCommand);
}
