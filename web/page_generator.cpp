// SPDX-License-Identifier: MIT
// Writes, at build time, what the page shows before any script runs, from the
// form description and a board after the load step:
//   page_generator title    the document's title
//   page_generator markup   the window's controls with the lists' start state
//   page_generator style    the desktop geometry, colours and font as CSS
//   page_generator table    the form description as JSON, for the page tests
#include <form/command_dispatch.h>
#include <form/form_description.h>

#include <ranking/ranking_board.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using form::Control;
using form::ControlKind;

// The font's size in CSS pixels and the height its lines need: Liberation
// Serif, the metric twin of the form's font, sets 1.15 em per line.
constexpr int fontPixels = form::font.pointSize * 96 / 72;
constexpr int naturalRowHeight = (fontPixels * 115 + 99) / 100;
// The inset border of lists and the statement, as the desktop windows draw it.
constexpr int borderWidth = 2;

std::string escaped(std::string_view text)
{
    std::string result;
    for (const char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        case '\r':
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::string px(int value)
{
    return std::to_string(value) + "px";
}

std::string cssColour(form::Colour colour)
{
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

std::string option(const ranking::ItemList &list, int index, const std::string &listName)
{
    // The keyboard's current item starts at the selection, or at the top.
    const bool current = index == std::max(0, list.ListIndex());
    return "<div role=\"option\" id=\"" + listName + "-" + std::to_string(index) + "\"" +
           (index == list.ListIndex() ? " aria-selected=\"true\"" : "") +
           (current ? " class=\"current\"" : "") + ">" + escaped(list.List(index)) + "</div>";
}

std::string listBox(const Control &control, const ranking::RankingBoard &board)
{
    const ranking::ItemList &list = board.ListOf(*control.listRole);
    const std::string name = control.name;
    std::string result = "<div id=\"" + name +
                         "\" class=\"listbox\" role=\"listbox\" tabindex=\"0\"" +
                         " aria-labelledby=\"" + form::LabelOf(control)->name + "\" data-role=\"" +
                         std::to_string(static_cast<int>(*control.listRole)) + "\"";
    if (list.ListCount() > 0)
        result += " aria-activedescendant=\"" + name + "-" +
                  std::to_string(std::max(0, list.ListIndex())) + "\"";
    result += ">";
    for (int index = 0; index < list.ListCount(); ++index)
        result += option(list, index, name);
    return result + "</div>\n";
}

// The statement twice: a read-only box on screen, its paragraphs on paper.
std::string statement(const Control &control)
{
    std::string paragraphs;
    const std::string_view text = control.text;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        if (end > start)
            paragraphs += "<p>" + escaped(text.substr(start, end - start)) + "</p>";
        start = end + 2;
    }
    return std::string("<textarea id=\"") + control.name + "\" readonly spellcheck=\"false\"" +
           " aria-label=\"" + escaped(control.accessibleName) + "\">" + escaped(control.text) +
           "</textarea>\n<div id=\"" + control.name + "Print\" class=\"print-only\">" + paragraphs +
           "</div>\n";
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
               escaped(control.text) + "</span></" + tag + ">\n";
    }
    case ControlKind::List:
        return listBox(control, board);
    case ControlKind::Command:
        // Изтрий brings the window back to its start, lists scrolled to the top included.
        return "<button id=\"" + name + "\" type=\"button\" data-command=\"" +
               std::to_string(*control.command) + "\"" +
               (*control.command == form::Delete ? " data-to-start" : "") + ">" +
               escaped(control.text) + "</button>\n";
    case ControlKind::Statement:
        return statement(control);
    }
    return {};
}

// Reading order: the title, each list after its label, the buttons, then the
// statement. Tab visits the same cycle as in the window, which starts at the
// statement.
std::vector<const Control *> readingOrder()
{
    std::vector<const Control *> order;
    for (const Control &control : form::Controls()) {
        if (control.kind == ControlKind::Label && !namesAControl(control))
            order.push_back(&control);
    }
    std::vector<const Control *> focused = form::TabOrder();
    std::stable_partition(focused.begin(), focused.end(), [](const Control *control) {
        return control->kind != ControlKind::Statement;
    });
    for (const Control *control : focused) {
        if (const Control *label = form::LabelOf(*control))
            order.push_back(label);
        order.push_back(control);
    }
    return order;
}

std::string markup()
{
    ranking::RankingBoard board;
    form::Load(board);
    std::string result = "<div id=\"window\">\n";
    for (const Control *control : readingOrder())
        result += element(*control, board);
    return result + "</div>";
}

std::string placement(const Control &control)
{
    const form::Geometry &g = control.geometry;
    return "#" + std::string(control.name) + "{left:" + px(g.left) + ";top:" + px(g.top) +
           ";width:" + px(g.width) + ";height:" + px(g.height) + "}";
}

int listRowHeight()
{
    const Control &list = form::ListControl(ranking::ListRole::Speakers);
    return form::WholeRowHeight(naturalRowHeight, list.geometry.height - 2 * borderWidth);
}

// Colours and the font hold at every width; the window's geometry only where
// it fits whole and its texts fit their boxes (the page sets html.column
// when they do not, as with wider text spacing).
std::string style()
{
    std::string result = "body{background:" + cssColour(form::windowBackground) +
                         "}#window{font:" + std::to_string(form::font.weight) + " " +
                         px(fontPixels) + " \"" + form::font.family +
                         "\",\"Liberation Serif\",serif}";
    for (const Control &control : form::Controls()) {
        if (control.background)
            result += "#" + std::string(control.name) +
                      "{background:" + cssColour(*control.background) +
                      ";color:" + cssColour(form::textOnFixedColour) + "}";
    }
    const std::string desktop = "html:not(.column) ";
    result += "@media screen and (min-width:" + px(form::clientSize.width) + "){" + desktop +
              "#window{position:relative;width:" + px(form::clientSize.width) +
              ";height:" + px(form::clientSize.height) + ";padding:0}" + desktop +
              "#window>*{position:absolute;margin:0;min-height:0}" + desktop +
              ".label{padding:0;white-space:nowrap;overflow:hidden}" + desktop +
              "#window>button{padding:0}";
    for (const Control &control : form::Controls())
        result += desktop + placement(control);
    result += desktop +
              ".listbox [role=option]{min-height:0;padding:0 2px;height:" + px(listRowHeight()) +
              ";line-height:" + px(listRowHeight()) + "}}";
    return result;
}

std::string jsonString(std::string_view text)
{
    std::string result = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            result += '\\';
        if (c == '\r')
            result += "\\r";
        else if (c == '\n')
            result += "\\n";
        else
            result += c;
    }
    return result + "\"";
}

std::string jsonColour(const std::optional<form::Colour> &colour)
{
    return colour ? jsonString(cssColour(*colour)) : "null";
}

std::string jsonItems(const ranking::ItemList &list)
{
    std::string result = "[";
    for (int index = 0; index < list.ListCount(); ++index)
        result += (index ? "," : "") + jsonString(list.List(index));
    return result + "]";
}

// Written from the form description field by field, apart from the style
// and markup above, so that a slip in either shows against this table.
std::string table()
{
    ranking::RankingBoard board;
    form::Load(board);
    std::string controls;
    for (const Control &control : form::Controls()) {
        const form::Geometry &g = control.geometry;
        controls +=
            std::string(controls.empty() ? "" : ",\n  ") + "{\"name\":" + jsonString(control.name) +
            ",\"text\":" + (control.text ? jsonString(control.text) : "null") +
            ",\"accessibleName\":" + jsonString(control.accessibleName) +
            ",\"left\":" + std::to_string(g.left) + ",\"top\":" + std::to_string(g.top) +
            ",\"width\":" + std::to_string(g.width) + ",\"height\":" + std::to_string(g.height) +
            ",\"background\":" + jsonColour(control.background) +
            ",\"tabPosition\":" + std::to_string(control.tabPosition);
        if (control.listRole) {
            const ranking::ItemList &list = board.ListOf(*control.listRole);
            controls += ",\"items\":" + jsonItems(list) +
                        ",\"selected\":" + std::to_string(list.ListIndex());
        }
        controls += "}";
    }
    return "{\"caption\":" + jsonString(form::Caption()) +
           ",\"width\":" + std::to_string(form::clientSize.width) +
           ",\"height\":" + std::to_string(form::clientSize.height) +
           ",\"windowBackground\":" + jsonColour(form::windowBackground) +
           ",\"textOnFixedColour\":" + jsonColour(form::textOnFixedColour) +
           ",\"fontFamily\":" + jsonString(form::font.family) +
           ",\"fontPixels\":" + std::to_string(fontPixels) +
           ",\"naturalRowHeight\":" + std::to_string(naturalRowHeight) + ",\"controls\":[\n  " +
           controls + "]}";
}

} // namespace

int main(int argc, char **argv)
{
    const std::string_view mode = argc == 2 ? argv[1] : "";
    std::string output;
    if (mode == "title")
        output = escaped(form::Caption());
    else if (mode == "markup")
        output = markup();
    else if (mode == "style")
        output = style();
    else if (mode == "table")
        output = table();
    else {
        std::fputs("usage: page_generator title|markup|style|table\n", stderr);
        return 2;
    }
    std::fputs(output.c_str(), stdout);
    std::fputs("\n", stdout);
    return 0;
}
