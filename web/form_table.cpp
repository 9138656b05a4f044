// SPDX-License-Identifier: MIT
#include "form_table.h"

#include "page_metrics.h"

#include <form/command_dispatch.h>
#include <form/form_description.h>

#include <ranking/ranking_board.h>

#include <nlohmann/json.hpp>

#include <optional>

namespace page {

namespace {

using Json = nlohmann::ordered_json;

Json colourValue(const std::optional<form::Colour> &colour)
{
    return colour ? Json(cssColour(*colour)) : Json(nullptr);
}

Json control(const form::Control &control, const ranking::RankingBoard &board)
{
    const form::Geometry &geometry = control.geometry;
    Json result = {
        {"name", control.name},
        {"text", control.text ? Json(control.text) : Json(nullptr)},
        {"accessibleName", control.accessibleName},
        {"left", geometry.left},
        {"top", geometry.top},
        {"width", geometry.width},
        {"height", geometry.height},
        {"background", colourValue(control.background)},
        {"tabPosition", control.tabPosition},
    };
    if (control.listRole) {
        const ranking::ItemList &list = board.ListOf(*control.listRole);
        result["items"] = list.Items();
        result["selected"] = list.ListIndex();
    }
    return result;
}

} // namespace

std::string formTable()
{
    ranking::RankingBoard board;
    form::Load(board);
    Json controls = Json::array();
    for (const form::Control &each : form::Controls())
        controls.push_back(control(each, board));
    const Json table = {
        {"caption", form::Caption()},
        {"width", form::clientSize.width},
        {"height", form::clientSize.height},
        {"windowBackground", colourValue(form::windowBackground)},
        {"textOnFixedColour", colourValue(form::textOnFixedColour)},
        {"fontFamily", form::font.family},
        {"fontPixels", fontPixels},
        {"naturalRowHeight", naturalRowHeight},
        {"controls", controls},
    };
    return table.dump(1);
}

} // namespace page
