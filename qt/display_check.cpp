// SPDX-License-Identifier: MIT
#include "display_check.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace {

std::string_view environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

bool platformChosenElsewhere(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "-platform")
            return true;
    }
    const std::string_view platform = environment("QT_QPA_PLATFORM");
    if (!platform.empty())
        return platform != "xcb";
    return !environment("WAYLAND_DISPLAY").empty();
}

} // namespace

std::optional<std::string> unreachableDisplay(int argc, char *argv[])
{
    if (platformChosenElsewhere(argc, argv))
        return std::nullopt;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (reached)
        return std::nullopt;
    return std::string(environment("DISPLAY"));
}
