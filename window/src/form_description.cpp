// SPDX-License-Identifier: MIT
#include <form/form_description.h>

#include <form/exercise_texts.h>

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace form {

namespace {

using enum ControlKind;

constexpr Colour labelColour{255, 192, 128};

// Lists carry the board's list role as their index and are announced by the
// text of the label above them.
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
     {24, 56, 73, 80}, std::nullopt, 2},
    {List, 1, "languagesList", nullptr, ExerciseTexts::languagesLabel,
     {120, 56, 121, 80}, std::nullopt, 3},
    {List, 2, "rankingList", nullptr, ExerciseTexts::rankingLabel,
     {264, 56, 169, 80}, std::nullopt, 4},
    {Command, 0, "enterButton", ExerciseTexts::enterButton, ExerciseTexts::enterButton,
     {24, 144, 81, 27}, Colour{128, 255, 128}, 5},
    {Command, 1, "takeOutButton", ExerciseTexts::takeOutButton, ExerciseTexts::takeOutButton,
     {192, 144, 81, 27}, Colour{255, 128, 255}, 6},
    {Command, 2, "deleteButton", ExerciseTexts::deleteButton, ExerciseTexts::deleteButton,
     {352, 144, 81, 27}, Colour{255, 0, 0}, 7},
    {Statement, 0, "statement", ExerciseTexts::statement, ExerciseTexts::statementName,
     {8, 176, 441, 161}, std::nullopt, 1},
}};
// clang-format on

} // namespace

const char *Caption()
{
    return ExerciseTexts::windowCaption;
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

const Control *LabelOf(const Control &control)
{
    if (control.kind == Label)
        return nullptr;
    for (const Control &label : controls) {
        if (label.kind == Label && std::string_view(label.text) == control.accessibleName)
            return &label;
    }
    return nullptr;
}

std::array<const Control *, 7> TabOrder()
{
    std::array<const Control *, 7> order{};
    for (const Control &control : controls) {
        if (control.tabPosition > 0)
            order.at(static_cast<std::size_t>(control.tabPosition - 1)) = &control;
    }
    return order;
}

} // namespace form
