// SPDX-License-Identifier: MIT
#include <form/form_description.h>

#include "maker.h"

#include <form/command_dispatch.h>
#include <form/exercise_texts.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace form {

namespace {

using enum ControlKind;
using ranking::ListRole;

constexpr Colour labelColour{255, 192, 128};

// Each list is named by the label above it.
// clang-format off
constexpr std::array<Control, 11> controls{{
    {Label, 0, "titleLabel", ExerciseTexts::title, ExerciseTexts::title,
     {32, 0, 409, 25}, labelColour, 0},
    {Label, 1, "speakersLabel", ExerciseTexts::speakersLabel, ExerciseTexts::speakersLabel,
     {24, 32, 73, 25}, labelColour, 0},
    {Label, 2, "languagesLabel", ExerciseTexts::languagesLabel, ExerciseTexts::languagesLabel,
     {120, 32, 121, 25}, labelColour, 0},
    {Label, 3, "rankingLabel", ExerciseTexts::rankingLabel, ExerciseTexts::rankingLabel,
     {264, 32, 169, 25}, labelColour, 0},
    {List, 0, "speakersList", nullptr, ExerciseTexts::speakersLabel,
     {24, 56, 73, 80}, std::nullopt, 2, ListRole::Speakers, 1},
    {List, 1, "languagesList", nullptr, ExerciseTexts::languagesLabel,
     {120, 56, 121, 80}, std::nullopt, 3, ListRole::Languages, 2},
    {List, 2, "rankingList", nullptr, ExerciseTexts::rankingLabel,
     {264, 56, 169, 80}, std::nullopt, 4, ListRole::Ranking, 3},
    {Command, 0, "enterButton", ExerciseTexts::enterButton, ExerciseTexts::enterButton,
     {24, 144, 81, 27}, Colour{128, 255, 128}, 5, {}, {}, Enter},
    {Command, 1, "takeOutButton", ExerciseTexts::takeOutButton, ExerciseTexts::takeOutButton,
     {192, 144, 81, 27}, Colour{255, 128, 255}, 6, {}, {}, TakeOut},
    {Command, 2, "deleteButton", ExerciseTexts::deleteButton, ExerciseTexts::deleteButton,
     {352, 144, 81, 27}, Colour{255, 0, 0}, 7, {}, {}, Delete},
    {Statement, 0, "statement", ExerciseTexts::statement, ExerciseTexts::statementName,
     {8, 176, 441, 161}, std::nullopt, 1},
}};
// clang-format on

} // namespace

const char *Caption()
{
    static const std::string caption = std::string(Maker::host) + " " + ExerciseTexts::shortTitle;
    return caption.c_str();
}

std::span<const Control> Controls()
{
    return controls;
}

const Control &ControlAt(ControlKind kind, int index)
{
    for (const Control &control : controls) {
        if (control.kind == kind && control.index == index)
            return control;
    }
    throw std::out_of_range("no such control");
}

const Control &ListControl(ranking::ListRole role)
{
    for (const Control &control : controls) {
        if (control.listRole == role)
            return control;
    }
    throw std::out_of_range("the sort buffer is never shown");
}

const Control *LabelOf(const Control &control)
{
    return control.labelIndex ? &ControlAt(Label, *control.labelIndex) : nullptr;
}

std::string EmptyListSentence(const Control &list)
{
    return std::string("Списъкът „") + list.accessibleName + "“ е празен.";
}

std::vector<const Control *> TabOrder()
{
    std::vector<const Control *> order;
    for (const Control &control : controls) {
        if (control.tabPosition > 0)
            order.push_back(&control);
    }
    std::sort(order.begin(), order.end(),
              [](const Control *a, const Control *b) { return a->tabPosition < b->tabPosition; });
    return order;
}

int WholeRowHeight(int naturalHeight, int innerHeight)
{
    const int natural = std::max(1, naturalHeight);
    const int rows = std::max(1, innerHeight / natural);
    return std::max(natural, innerHeight / rows);
}

int TopRowShowing(int row, int topRow, int visibleRows)
{
    if (row < topRow)
        return row;
    if (row >= topRow + visibleRows)
        return row - std::max(1, visibleRows) + 1;
    return topRow;
}

} // namespace form
