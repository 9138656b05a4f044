// SPDX-License-Identifier: MIT
#include <form/form_description.h>

#include "maker.h"

#include <form/command_dispatch.h>
#include <form/texts.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace form {

namespace {

using enum ControlKind;
using ranking::ListRole;

constexpr Colour labelColour{.red = 255, .green = 192, .blue = 128};

// Each list is named by the label above it.
constexpr std::array<Control, 11> controls{{
    {.kind = Label,
     .index = 0,
     .name = "titleLabel",
     .text = texts::title,
     .accessibleName = texts::title,
     .geometry = {.left = 32, .top = 0, .width = 409, .height = 25},
     .background = labelColour,
     .tabPosition = 0},
    {.kind = Label,
     .index = 1,
     .name = "speakersLabel",
     .text = texts::speakersLabel,
     .accessibleName = texts::speakersLabel,
     .geometry = {.left = 24, .top = 32, .width = 73, .height = 25},
     .background = labelColour,
     .tabPosition = 0},
    {.kind = Label,
     .index = 2,
     .name = "languagesLabel",
     .text = texts::languagesLabel,
     .accessibleName = texts::languagesLabel,
     .geometry = {.left = 120, .top = 32, .width = 121, .height = 25},
     .background = labelColour,
     .tabPosition = 0},
    {.kind = Label,
     .index = 3,
     .name = "rankingLabel",
     .text = texts::rankingLabel,
     .accessibleName = texts::rankingLabel,
     .geometry = {.left = 264, .top = 32, .width = 169, .height = 25},
     .background = labelColour,
     .tabPosition = 0},
    {.kind = List,
     .index = 0,
     .name = "speakersList",
     .text = nullptr,
     .accessibleName = texts::speakersLabel,
     .geometry = {.left = 24, .top = 56, .width = 73, .height = 80},
     .background = std::nullopt,
     .tabPosition = 2,
     .listRole = ListRole::Speakers,
     .labelIndex = 1},
    {.kind = List,
     .index = 1,
     .name = "languagesList",
     .text = nullptr,
     .accessibleName = texts::languagesLabel,
     .geometry = {.left = 120, .top = 56, .width = 121, .height = 80},
     .background = std::nullopt,
     .tabPosition = 3,
     .listRole = ListRole::Languages,
     .labelIndex = 2},
    {.kind = List,
     .index = 2,
     .name = "rankingList",
     .text = nullptr,
     .accessibleName = texts::rankingLabel,
     .geometry = {.left = 264, .top = 56, .width = 169, .height = 80},
     .background = std::nullopt,
     .tabPosition = 4,
     .listRole = ListRole::Ranking,
     .labelIndex = 3},
    {.kind = Command,
     .index = 0,
     .name = "enterButton",
     .text = texts::enterButton,
     .accessibleName = texts::enterButton,
     .geometry = {.left = 24, .top = 144, .width = 81, .height = 27},
     .background = Colour{.red = 128, .green = 255, .blue = 128},
     .tabPosition = 5,
     .command = Enter},
    {.kind = Command,
     .index = 1,
     .name = "takeOutButton",
     .text = texts::takeOutButton,
     .accessibleName = texts::takeOutButton,
     .geometry = {.left = 192, .top = 144, .width = 81, .height = 27},
     .background = Colour{.red = 255, .green = 128, .blue = 255},
     .tabPosition = 6,
     .command = TakeOut},
    {.kind = Command,
     .index = 2,
     .name = "deleteButton",
     .text = texts::deleteButton,
     .accessibleName = texts::deleteButton,
     .geometry = {.left = 352, .top = 144, .width = 81, .height = 27},
     .background = Colour{.red = 255, .green = 0, .blue = 0},
     .tabPosition = 7,
     .command = Delete},
    {.kind = Statement,
     .index = 0,
     .name = "statement",
     .text = texts::statement,
     .accessibleName = texts::statementName,
     .geometry = {.left = 8, .top = 176, .width = 441, .height = 161},
     .background = std::nullopt,
     .tabPosition = 1},
}};

} // namespace

const char *Caption()
{
    static const std::string caption = std::string(maker::host) + " " + texts::shortTitle;
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
    std::sort(order.begin(), order.end(), [](const Control *first, const Control *second) {
        return first->tabPosition < second->tabPosition;
    });
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
