// SPDX-License-Identifier: MIT
#include "platform_choice.h"

#include <QDir>
#include <QJsonArray>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QString>

#include <xcb/xcb.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

std::vector<std::string> split(std::string_view list, char separator)
{
    std::vector<std::string> parts;
    std::string_view::size_type start = 0;
    while (start <= list.size()) {
        const auto end = std::min(list.find(separator, start), list.size());
        if (end > start)
            parts.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Qt takes its own arguments with one dash or two; returns the index of the
// value that follows @p name.
std::optional<std::size_t> argumentIndex(const std::vector<std::string_view> &arguments,
                                         std::string_view name)
{
    for (std::size_t index = 1; index + 1 < arguments.size(); ++index) {
        std::string_view argument = arguments[index];
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        if (argument == name)
            return index + 1;
    }
    return std::nullopt;
}

std::vector<std::string_view> argumentsOf(int argc, char *argv[])
{
    return {argv, argv + argc};
}

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

PlatformAttempt xAttempt(const std::string &platform,
                         const std::vector<std::string_view> &arguments,
                         const EnvironmentLookup &environment)
{
    const auto index = argumentIndex(arguments, "-display");
    return {.kind = PlatformAttempt::Kind::X,
            .platform = platform,
            .display = index ? std::string(arguments[*index]) : environment("DISPLAY")};
}

PlatformAttempt waylandAttempt(const std::string &platform, const EnvironmentLookup &environment)
{
    PlatformAttempt attempt{.kind = PlatformAttempt::Kind::Wayland,
                            .platform = platform,
                            .display = environment("WAYLAND_DISPLAY"),
                            // A compositor that starts the program may hand it a connected socket.
                            .connected = !environment("WAYLAND_SOCKET").empty()};
    if (attempt.display.empty())
        attempt.display = "wayland-0";
    std::filesystem::path socket(attempt.display);
    if (socket.is_relative()) {
        const std::string runtime = environment("XDG_RUNTIME_DIR");
        socket =
            runtime.empty() ? std::filesystem::path() : std::filesystem::path(runtime) / socket;
    }
    attempt.socket = socket.string();
    return attempt;
}

bool socketAnswers(const std::string &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool answered =
        ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(socket);
    return answered;
}

} // namespace

std::vector<PlatformAttempt> platformsToTry(const std::vector<std::string_view> &arguments,
                                            const EnvironmentLookup &environment)
{
    std::vector<std::string> platforms;
    if (const auto index = argumentIndex(arguments, "-platform"))
        platforms = split(arguments[*index], ';');
    else if (const std::string listed = environment("QT_QPA_PLATFORM"); !listed.empty())
        platforms = split(listed, ';');
    else if (!environment("WAYLAND_DISPLAY").empty() ||
             environment("XDG_SESSION_TYPE") == "wayland")
        platforms = {"wayland", "xcb"};
    else
        platforms = {"xcb"};

    std::vector<PlatformAttempt> attempts;
    for (const std::string &platform : platforms) {
        const PlatformAttempt named{.platform = platform};
        if (named.key() == "xcb")
            attempts.push_back(xAttempt(platform, arguments, environment));
        else if (named.key().starts_with("wayland"))
            attempts.push_back(waylandAttempt(platform, environment));
        else
            attempts.push_back(named);
    }
    return attempts;
}

void PlatformChoice::Disconnect::operator()(xcb_connection_t *connection) const
{
    xcb_disconnect(connection);
}

std::optional<std::string> PlatformChoice::xFailure(const std::string &display)
{
    if (display.empty())
        return "X: DISPLAY is not set";
    m_xConnection.reset(xcb_connect(display.c_str(), nullptr));
    if (xcb_connection_has_error(m_xConnection.get()) == 0)
        return std::nullopt;
    m_xConnection.reset();
    return "X \"" + display + "\" does not answer";
}

// A platform is there when one of Qt's platform plug-ins says it provides it.
// The loader keeps what it read of the plug-in found, which Qt reads again as
// it starts.
bool PlatformChoice::pluginInstalled(const std::string &key)
{
    QStringList folders;
    if (const std::string own = environment("QT_QPA_PLATFORM_PLUGIN_PATH"); !own.empty())
        folders << QString::fromStdString(own);
    for (const std::string &path : split(environment("QT_PLUGIN_PATH"), ':'))
        folders << QString::fromStdString(path) + QStringLiteral("/platforms");
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    const QString wanted = QString::fromStdString(key);
    for (const QString &folder : folders) {
        const QDir dir(folder);
        // Reading a plug-in's keys takes a while; the file that bears the
        // platform's name, where there is one, is read first.
        QStringList files = dir.entryList(QDir::Files);
        std::stable_partition(files.begin(), files.end(),
                              [&wanted](const QString &file) { return file.contains(wanted); });
        for (const QString &file : files) {
            m_plugin.setFileName(dir.absoluteFilePath(file));
            const QJsonArray keys = m_plugin.metaData()
                                        .value(QStringLiteral("MetaData"))
                                        .toObject()
                                        .value(QStringLiteral("Keys"))
                                        .toArray();
            if (keys.contains(wanted))
                return true;
        }
    }
    return false;
}

std::optional<std::string> PlatformChoice::waylandFailure(const PlatformAttempt &attempt)
{
    if (attempt.connected)
        return std::nullopt;
    const std::string named = "Wayland \"" + attempt.display + "\"";
    if (attempt.socket.empty())
        return named + ": XDG_RUNTIME_DIR is not set";
    if (!socketAnswers(attempt.socket))
        return named + " does not answer";
    if (!pluginInstalled(attempt.key()))
        return named + ": Qt's Wayland platform is not installed";
    return std::nullopt;
}

std::optional<std::string> PlatformChoice::failureOf(const PlatformAttempt &attempt)
{
    switch (attempt.kind) {
    case PlatformAttempt::Kind::X:
        return xFailure(attempt.display);
    case PlatformAttempt::Kind::Wayland:
        return waylandFailure(attempt);
    case PlatformAttempt::Kind::Other:
        break;
    }
    if (!pluginInstalled(attempt.key()))
        return "\"" + attempt.key() + "\": no such platform";
    return std::nullopt;
}

PlatformChoice::PlatformChoice(int argc, char *argv[])
{
    const std::vector<PlatformAttempt> attempts =
        platformsToTry(argumentsOf(argc, argv), environment);
    if (attempts.empty())
        m_failures.emplace_back("no platform named");
    for (const PlatformAttempt &attempt : attempts) {
        if (auto failure = failureOf(attempt)) {
            m_failures.push_back(std::move(*failure));
            continue;
        }
        m_platform = attempt.platform;
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

void PlatformChoice::apply(int &argc, char *argv[]) const
{
    // Qt would take a -platform argument over the environment. The argument
    // and its value go; the pointers after them, the closing null included,
    // move down.
    if (const auto index = argumentIndex(argumentsOf(argc, argv), "-platform")) {
        const auto value = static_cast<int>(*index);
        std::copy(argv + value + 1, argv + argc + 1, argv + value - 1);
        argc -= 2;
    }
    // setenv copies the value into the environment, which lasts as long as the process.
    setenv("QT_QPA_PLATFORM", m_platform.c_str(), 1);
}
