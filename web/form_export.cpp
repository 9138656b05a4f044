// SPDX-License-Identifier: MIT
#include "form_export.h"

#include <form/form_description.h>

#include <string>

namespace {

using emscripten::val;

// val(const char *) reads ASCII only; std::string goes over as UTF-8.
val utf8(const char *text)
{
    return text ? val(std::string(text)) : val::null();
}

val cssColour(form::Colour colour)
{
    return val("rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
               std::to_string(colour.blue) + ")");
}

const char *kindName(form::ControlKind kind)
{
    switch (kind) {
    case form::ControlKind::Label:
        return "label";
    case form::ControlKind::List:
        return "list";
    case form::ControlKind::Command:
        return "command";
    case form::ControlKind::Statement:
        return "statement";
    }
    return "";
}

val rectangle(const form::Geometry &geometry)
{
    val result = val::object();
    result.set("left", geometry.left);
    result.set("top", geometry.top);
    result.set("width", geometry.width);
    result.set("height", geometry.height);
    return result;
}

// The name of the control that @p label names, for the page's <label for>.
val labelledName(const form::Control &label)
{
    for (const form::Control &other : form::Controls()) {
        if (form::LabelOf(other) == &label)
            return utf8(other.name);
    }
    return val::null();
}

template <typename T> val optional(const std::optional<T> &value)
{
    return value ? val(*value) : val::null();
}

val control(const form::Control &control)
{
    val result = val::object();
    result.set("kind", utf8(kindName(control.kind)));
    result.set("index", control.index);
    result.set("role", optional(control.listRole));
    result.set("command", optional(control.command));
    result.set("name", utf8(control.name));
    result.set("text", utf8(control.text));
    result.set("accessibleName", utf8(control.accessibleName));
    result.set("geometry", rectangle(control.geometry));
    result.set("background", control.background ? cssColour(*control.background) : val::null());
    result.set("tabPosition", control.tabPosition);
    result.set("labelFor", labelledName(control));
    return result;
}

} // namespace

val FormDescription()
{
    val controls = val::array();
    int position = 0;
    for (const form::Control &each : form::Controls())
        controls.set(position++, control(each));

    val clientSize = val::object();
    clientSize.set("width", form::clientSize.width);
    clientSize.set("height", form::clientSize.height);

    val font = val::object();
    font.set("family", utf8(form::font.family));
    font.set("pointSize", form::font.pointSize);
    font.set("weight", form::font.weight);

    val result = val::object();
    result.set("caption", utf8(form::Caption()));
    result.set("clientSize", clientSize);
    result.set("windowBackground", cssColour(form::windowBackground));
    result.set("textOnFixedColour", cssColour(form::textOnFixedColour));
    result.set("font", font);
    result.set("controls", controls);
    return result;
}
