// SPDX-License-Identifier: MIT
// What the page calls in the module: the list roles, the form's rule for
// minimal scrolling by whole rows, and the board session. Kept to plain
// numbers and strings in and out (items() gives an array of strings).
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
        .function("press", &BoardSession::press)
        .function("topRowAfterPress", &BoardSession::topRowAfterPress);
}
