// SPDX-License-Identifier: MIT
#include "platform_choice.h"

#include <QLibraryInfo>
#include <QString>

#include <xcb/xcb.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

std::vector<std::string> split(const std::string &list, char separator)
{
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start <= list.size()) {
        const auto end = std::min(list.find(separator, start), list.size());
        if (end > start)
            parts.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Qt takes its own arguments with one dash or two.
std::optional<int> argumentIndex(int argc, char *argv[], std::string_view name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argument(argv[i]);
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        if (argument == name)
            return i + 1;
    }
    return std::nullopt;
}

std::vector<std::string> platformsToTry(int argc, char *argv[])
{
    if (const auto index = argumentIndex(argc, argv, "-platform"))
        return split(argv[*index], ';');
    if (const std::string listed = environment("QT_QPA_PLATFORM"); !listed.empty())
        return split(listed, ';');
    if (!environment("WAYLAND_DISPLAY").empty() || environment("XDG_SESSION_TYPE") == "wayland")
        return {"wayland", "xcb"};
    return {"xcb"};
}

std::vector<std::filesystem::path> pluginFolders()
{
    std::vector<std::filesystem::path> folders;
    if (const std::string own = environment("QT_QPA_PLATFORM_PLUGIN_PATH"); !own.empty())
        folders.emplace_back(own);
    for (const std::string &path : split(environment("QT_PLUGIN_PATH"), ':'))
        folders.push_back(std::filesystem::path(path) / "platforms");
    const QString installed = QLibraryInfo::path(QLibraryInfo::PluginsPath);
    folders.push_back(std::filesystem::path(installed.toStdString()) / "platforms");
    return folders;
}

// Qt's platform plug-ins are files named after the platform; the generic
// Wayland one is "wayland-generic".
bool pluginInstalled(const std::string &name)
{
    const std::string file = "libq" + (name == "wayland" ? "wayland-generic" : name) + ".so";
    for (const std::filesystem::path &folder : pluginFolders()) {
        std::error_code error;
        if (std::filesystem::exists(folder / file, error))
            return true;
    }
    return false;
}

bool socketAnswers(const std::filesystem::path &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = path.string();
    if (name.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool answered =
        ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(socket);
    return answered;
}

std::optional<std::string> waylandFailure(const std::string &name)
{
    // A compositor that starts the program may hand it a connected socket.
    if (!environment("WAYLAND_SOCKET").empty())
        return std::nullopt;
    std::string display = environment("WAYLAND_DISPLAY");
    if (display.empty())
        display = "wayland-0";
    std::filesystem::path socket(display);
    if (socket.is_relative()) {
        const std::string runtime = environment("XDG_RUNTIME_DIR");
        if (runtime.empty())
            return "Wayland \"" + display + "\": XDG_RUNTIME_DIR is not set";
        socket = std::filesystem::path(runtime) / socket;
    }
    if (!socketAnswers(socket))
        return "Wayland \"" + display + "\" does not answer";
    if (!pluginInstalled(name))
        return "Wayland \"" + display + "\": Qt's Wayland platform is not installed";
    return std::nullopt;
}

} // namespace

void PlatformChoice::Disconnect::operator()(xcb_connection_t *connection) const
{
    xcb_disconnect(connection);
}

std::optional<std::string> PlatformChoice::xFailure(int argc, char *argv[])
{
    const auto index = argumentIndex(argc, argv, "-display");
    const std::string display = index ? argv[*index] : environment("DISPLAY");
    if (display.empty())
        return "X: DISPLAY is not set";
    m_xConnection.reset(xcb_connect(display.c_str(), nullptr));
    if (xcb_connection_has_error(m_xConnection.get()) == 0)
        return std::nullopt;
    m_xConnection.reset();
    return "X \"" + display + "\" does not answer";
}

std::optional<std::string> PlatformChoice::failureOf(const std::string &platform, int argc,
                                                     char *argv[])
{
    const std::string name = platform.substr(0, platform.find(':'));
    if (name == "xcb")
        return xFailure(argc, argv);
    if (name.starts_with("wayland"))
        return waylandFailure(name);
    if (!pluginInstalled(name))
        return "\"" + name + "\": no such platform";
    return std::nullopt;
}

PlatformChoice::PlatformChoice(int argc, char *argv[])
{
    const std::vector<std::string> platforms = platformsToTry(argc, argv);
    if (platforms.empty())
        m_failures.emplace_back("no platform named");
    for (const std::string &platform : platforms) {
        if (auto failure = failureOf(platform, argc, argv)) {
            m_failures.push_back(std::move(*failure));
            continue;
        }
        m_platform = platform;
        return;
    }
}

std::string PlatformChoice::failures() const
{
    std::string joined;
    for (const std::string &failure : m_failures)
        joined += (joined.empty() ? "" : ", ") + failure;
    return joined;
}

void PlatformChoice::apply(int argc, char *argv[]) const
{
    // The argument outlives the application, which keeps pointers into argv.
    static std::string chosen;
    chosen = m_platform;
    if (const auto index = argumentIndex(argc, argv, "-platform"))
        argv[*index] = chosen.data();
    setenv("QT_QPA_PLATFORM", chosen.c_str(), 1);
}
