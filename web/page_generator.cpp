// SPDX-License-Identifier: MIT
// Writes, at build time, one of what the page shows before any script runs,
// from the form description and a board after the load step:
//   page_generator title    the document's title
//   page_generator markup   the window's controls with the lists' start state
//   page_generator style    the desktop geometry, colours and font as CSS
//   page_generator table    the form description as JSON, for the page tests
#include "form_table.h"
#include "html_escape.h"
#include "page_markup.h"
#include "page_style.h"

#include <form/form_description.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string documentTitle()
{
    return page::escapedHtml(form::Caption());
}

struct Writer
{
    std::string_view output;
    std::string (*write)();
};

constexpr std::array writers{
    Writer{.output = "title", .write = documentTitle},
    Writer{.output = "markup", .write = page::windowMarkup},
    Writer{.output = "style", .write = page::windowStyle},
    Writer{.output = "table", .write = page::formTable},
};

} // namespace

int main(int argc, char **argv)
{
    const std::string_view wanted = argc == 2 ? argv[1] : "";
    for (const Writer &writer : writers) {
        if (writer.output == wanted) {
            const std::string text = writer.write() + "\n";
            std::fputs(text.c_str(), stdout);
            return 0;
        }
    }
    std::fputs("usage: page_generator title|markup|style|table\n", stderr);
    return 2;
}
