// SPDX-License-Identifier: MIT
#pragma once

#include <ranking/ranking_board.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

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
    int index;        ///< element index within its group of the same kind
    const char *name; ///< stable object name, for tests and look-ups
    const char *text; ///< caption, or the statement; nullptr for lists
    const char *accessibleName;
    Geometry geometry;
    std::optional<Colour> background; ///< a fixed face colour, or the platform's
    int tabPosition;                  ///< 1 for the first control Tab reaches; 0 takes no focus
    std::optional<ranking::ListRole> listRole{}; ///< a list's board list
    std::optional<int> labelIndex{};             ///< a list's column label, by element index
    std::optional<int> command{};                ///< a button's index for RunCommand()
};

inline constexpr Size clientSize{.width = 461, .height = 345};
inline constexpr Colour windowBackground{.red = 192, .green = 192, .blue = 255};
/// Text drawn on any fixed background colour: a light theme's default, which
/// keeps every fixed colour readable whatever the desktop's theme.
inline constexpr Colour textOnFixedColour{.red = 0, .green = 0, .blue = 0};
inline constexpr Font font{
    .family = "Times New Roman", .pointSize = 12, .weight = 400, .characterSet = 204};

/// The window's caption.
[[nodiscard]] const char *Caption();

/// Every shown control: four labels, three lists, three command buttons and
/// the statement, in that order. The sort buffer is never shown and has none.
[[nodiscard]] std::span<const Control> Controls();

/// The control of @p kind with element @p index; throws std::out_of_range for
/// one that does not exist.
[[nodiscard]] const Control &ControlAt(ControlKind kind, int index);

/// The shown list of board list @p role; throws std::out_of_range for the
/// sort buffer, which is never shown.
[[nodiscard]] const Control &ListControl(ranking::ListRole role);

/// The column label that names list @p control, or nullptr for other controls.
[[nodiscard]] const Control *LabelOf(const Control &control);

/// What a screen reader is told on entering @p list while it holds no item:
/// it says nothing of a list's items, not even that there are none.
[[nodiscard]] std::string EmptyListSentence(const Control &list);

/// The controls that take the focus, in the order Tab visits them.
[[nodiscard]] std::vector<const Control *> TabOrder();

/// The height of each row of a list whose inner height is @p innerHeight and
/// whose text needs @p naturalHeight: rows at least that tall that fill the
/// list exactly, so that no row is ever shown in part and no click lands on
/// an item out of sight.
[[nodiscard]] int WholeRowHeight(int naturalHeight, int innerHeight);

/// The top row after scrolling a list that shows @p visibleRows rows from
/// @p topRow just far enough to show row @p row whole.
[[nodiscard]] int TopRowShowing(int row, int topRow, int visibleRows);

} // namespace form
