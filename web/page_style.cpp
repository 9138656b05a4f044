// SPDX-License-Identifier: MIT
#include "page_style.h"

#include "page_metrics.h"

#include <form/form_description.h>

namespace page {

namespace {

using form::Control;

std::string px(int value)
{
    return std::to_string(value) + "px";
}

std::string placement(const Control &control)
{
    const form::Geometry &geometry = control.geometry;
    return "#" + std::string(control.name) + "{left:" + px(geometry.left) +
           ";top:" + px(geometry.top) + ";width:" + px(geometry.width) +
           ";height:" + px(geometry.height) + "}";
}

int listRowHeight()
{
    const Control &list = form::ListControl(ranking::ListRole::Speakers);
    return form::WholeRowHeight(naturalRowHeight, list.geometry.height - 2 * borderWidth);
}

} // namespace

// Colours and the font hold at every width; the window's geometry only where
// it fits whole and its texts fit their boxes (the page sets html.column
// when they do not, as with wider text spacing).
std::string windowStyle()
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

} // namespace page
