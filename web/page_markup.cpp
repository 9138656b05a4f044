// SPDX-License-Identifier: MIT
#include "page_markup.h"

#include "html_escape.h"

#include <form/command_dispatch.h>
#include <form/form_description.h>

#include <ranking/ranking_board.h>

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

namespace page {

namespace {

using form::Control;
using form::ControlKind;

std::string option(const ranking::ItemList &list, int index, const std::string &listName)
{
    // The keyboard's current item starts at the selection, or at the top.
    // Every item states whether it is selected, so that no browser takes the
    // current item for a selection the board does not hold.
    const bool current = index == std::max(0, list.ListIndex());
    const bool selected = index == list.ListIndex();
    return "<div role=\"option\" id=\"" + listName + "-" + std::to_string(index) +
           "\" aria-selected=\"" + (selected ? "true" : "false") + "\"" +
           (current ? " class=\"current\"" : "") + ">" + escapedHtml(list.List(index)) + "</div>";
}

// The sentence in data-empty-sentence is announced when the list is entered
// while it holds no item.
std::string listBox(const Control &control, const ranking::RankingBoard &board)
{
    const ranking::ItemList &list = board.ListOf(*control.listRole);
    const std::string name = control.name;
    std::string result =
        "<div id=\"" + name + "\" class=\"listbox\" role=\"listbox\" tabindex=\"0\"" +
        " aria-labelledby=\"" + form::LabelOf(control)->name + "\" data-role=\"" +
        std::to_string(static_cast<int>(*control.listRole)) + "\" data-empty-sentence=\"" +
        escapedHtml(form::EmptyListSentence(control)) + "\"";
    if (list.ListCount() > 0)
        result += " aria-activedescendant=\"" + name + "-" +
                  std::to_string(std::max(0, list.ListIndex())) + "\"";
    result += ">";
    for (int index = 0; index < list.ListCount(); ++index)
        result += option(list, index, name);
    return result + "</div>\n";
}

// The text box shows the statement with plain line ends.
std::string withoutCarriageReturns(std::string_view text)
{
    std::string result;
    std::remove_copy(text.begin(), text.end(), std::back_inserter(result), '\r');
    return result;
}

// The statement twice: a read-only box on screen, its paragraphs on paper.
std::string statement(const Control &control)
{
    std::string paragraphs;
    const std::string_view text = control.text;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        if (end > start)
            paragraphs += "<p>" + escapedHtml(text.substr(start, end - start)) + "</p>";
        start = end + 2;
    }
    return std::string("<textarea id=\"") + control.name + "\" readonly spellcheck=\"false\"" +
           " aria-label=\"" + escapedHtml(control.accessibleName) + "\">" +
           escapedHtml(withoutCarriageReturns(control.text)) + "</textarea>\n<div id=\"" +
           control.name + "Print\" class=\"print-only\">" + paragraphs + "</div>\n";
}

bool namesAControl(const Control &label)
{
    return std::any_of(form::Controls().begin(), form::Controls().end(),
                       [&](const Control &other) { return form::LabelOf(other) == &label; });
}

std::string element(const Control &control, const ranking::RankingBoard &board)
{
    const std::string name = control.name;
    switch (control.kind) {
    case ControlKind::Label: {
        const char *tag = namesAControl(control) ? "div" : "h1";
        return std::string("<") + tag + " id=\"" + name + "\" class=\"label\"><span>" +
               escapedHtml(control.text) + "</span></" + tag + ">\n";
    }
    case ControlKind::List:
        return listBox(control, board);
    case ControlKind::Command:
        return "<button id=\"" + name + "\" type=\"button\" data-command=\"" +
               std::to_string(*control.command) + "\">" + escapedHtml(control.text) + "</button>\n";
    case ControlKind::Statement:
        return statement(control);
    }
    return {};
}

// Reading order: the title, then the controls in the window's tab order
// (the statement, each list after its label, the buttons), so that the
// focus order, the reading order and the one-column layout are the window's.
std::vector<const Control *> readingOrder()
{
    std::vector<const Control *> order;
    for (const Control &control : form::Controls()) {
        if (control.kind == ControlKind::Label && !namesAControl(control))
            order.push_back(&control);
    }
    for (const Control *control : form::TabOrder()) {
        if (const Control *label = form::LabelOf(*control))
            order.push_back(label);
        order.push_back(control);
    }
    return order;
}

} // namespace

std::string windowMarkup()
{
    ranking::RankingBoard board;
    form::Load(board);
    std::string result = "<div id=\"window\">\n";
    for (const Control *control : readingOrder())
        result += element(*control, board);
    return result + "</div>";
}

} // namespace page
