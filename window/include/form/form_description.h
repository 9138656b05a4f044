// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace form {

/// What a control is. Each kind is one group of indexed elements.
enum class ControlKind { Label, List, Command, Statement };

struct Colour
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend constexpr bool operator==(Colour, Colour) = default;
};

/// A rectangle in pixels at 96 DPI, measured from the top-left corner of the
/// window's client area.
struct Geometry
{
    int left;
    int top;
    int width;
    int height;
};

struct Size
{
    int width;
    int height;
};

struct Font
{
    const char *family;
    int pointSize;
    int weight;       ///< 400 is regular
    int characterSet; ///< 204 is Cyrillic
};

/// One control of the window. Texts are UTF-8.
struct Control
{
    ControlKind kind;
    int index;        ///< element index within its kind; for lists, the board's list role
    const char *name; ///< stable object name, for tests and look-ups
    const char *text; ///< caption, or the statement; nullptr for lists
    const char *accessibleName;
    Geometry geometry;
    std::optional<Colour> background; ///< a fixed face colour, or the platform's
    int tabPosition;                  ///< 1 for the first control Tab reaches; 0 takes no focus
};

inline constexpr Size clientSize{461, 345};
inline constexpr Colour windowBackground{192, 192, 255};
/// Text drawn on any fixed background colour: a light theme's default, which
/// keeps every fixed colour readable whatever the desktop's theme.
inline constexpr Colour textOnFixedColour{0, 0, 0};
inline constexpr Font font{"Times New Roman", 12, 400, 204};

/// The window's caption.
[[nodiscard]] const char *Caption();

/// Every shown control: four labels, three lists, three command buttons and
/// the statement, in that order. The sort buffer is never shown and has none.
[[nodiscard]] std::span<const Control> Controls();

/// The control of @p kind with element @p index; throws std::out_of_range for
/// one that does not exist.
[[nodiscard]] const Control &ControlAt(ControlKind kind, int index);

/// The label whose text names @p control (a list's column label), or nullptr.
[[nodiscard]] const Control *LabelOf(const Control &control);

/// The controls that take the focus, in the order Tab visits them.
[[nodiscard]] std::array<const Control *, 7> TabOrder();

} // namespace form
