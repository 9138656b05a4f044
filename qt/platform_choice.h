// SPDX-License-Identifier: MIT
#pragma once

#include <QPluginLoader>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct xcb_connection_t;

/// One window platform to try and where it would connect.
struct PlatformAttempt
{
    enum class Kind { X, Wayland, Other };

    Kind kind = Kind::Other;
    /// As Qt takes it, with its arguments: "xcb", "wayland", "offscreen:fontengine=freetype".
    std::string platform{};
    /// X: the display named, empty when none is; Wayland: the display's name.
    std::string display{};
    /// Wayland: the path of the display's socket, empty when it cannot be known.
    std::string socket{};
    /// Wayland: the program was handed a connected socket (WAYLAND_SOCKET).
    bool connected = false;

    /// The platform without its arguments: the key its plug-in is known by.
    [[nodiscard]] std::string key() const { return platform.substr(0, platform.find(':')); }
};

/// Reads one environment variable: its value, empty when it is not set.
using EnvironmentLookup = std::function<std::string(const char *name)>;

/// The platforms to try, in order, as Qt would try them: the -platform
/// argument, else QT_QPA_PLATFORM (either may list several, separated by ';'),
/// else Wayland when a Wayland session is named and then X. Decided from
/// @p arguments (the program's, its name first) and @p environment alone.
[[nodiscard]] std::vector<PlatformAttempt>
platformsToTry(const std::vector<std::string_view> &arguments,
               const EnvironmentLookup &environment);

/// The window platform to start on, picked before Qt starts: Qt ends a start
/// on a platform it cannot open in an abort, even when a later one of its
/// list would have opened. Keep it until Qt has started.
class PlatformChoice
{
public:
    PlatformChoice(int argc, char *argv[]);

    /// The first platform that can be opened, as Qt names it with its
    /// arguments ("xcb", "wayland", "offscreen:fontengine=freetype"); empty
    /// when none can.
    [[nodiscard]] const std::string &platform() const { return m_platform; }

    /// What was tried and why it could not be opened, one after another:
    /// `Wayland "wayland-9" does not answer, X ":999" does not answer`.
    [[nodiscard]] std::string failures() const;

    /// Makes Qt start on the chosen platform alone: names it in
    /// QT_QPA_PLATFORM and takes any -platform argument out of @p argv.
    void apply(int &argc, char *argv[]) const;

private:
    struct Disconnect
    {
        void operator()(xcb_connection_t *connection) const;
    };

    [[nodiscard]] std::optional<std::string> failureOf(const PlatformAttempt &attempt);
    [[nodiscard]] std::optional<std::string> xFailure(const std::string &display);
    [[nodiscard]] std::optional<std::string> waylandFailure(const PlatformAttempt &attempt);
    [[nodiscard]] bool pluginInstalled(const std::string &key);

    std::string m_platform;
    std::vector<std::string> m_failures;
    // An X server resets when its last client leaves, and refuses connections
    // meanwhile: the connection that found it answering stays open while Qt
    // makes its own.
    std::unique_ptr<xcb_connection_t, Disconnect> m_xConnection;
    QPluginLoader m_plugin;
};
