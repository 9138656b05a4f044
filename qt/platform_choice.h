// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct xcb_connection_t;

/// The window platform to start on, picked before Qt starts: Qt ends a start
/// on a platform it cannot open in an abort, even when a later one of its
/// list would have opened. The platforms tried are those Qt would try: the
/// -platform argument, else QT_QPA_PLATFORM (either may list several,
/// separated by ';'), else Wayland when a Wayland session is named and then X.
/// Keep it until Qt has started.
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

    /// Makes Qt start on the chosen platform alone.
    void apply(int argc, char *argv[]) const;

private:
    struct Disconnect
    {
        void operator()(xcb_connection_t *connection) const;
    };

    [[nodiscard]] std::optional<std::string> xFailure(int argc, char *argv[]);
    [[nodiscard]] std::optional<std::string> failureOf(const std::string &platform, int argc,
                                                       char *argv[]);

    std::string m_platform;
    std::vector<std::string> m_failures;
    // An X server resets when its last client leaves, and refuses connections
    // meanwhile: the connection that found it answering stays open while Qt
    // makes its own.
    std::unique_ptr<xcb_connection_t, Disconnect> m_xConnection;
};
