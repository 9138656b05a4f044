// SPDX-License-Identifier: MIT
// The form at each DPI, its colours, high contrast and the focus marks.
#include "main_window_fixture.h"

namespace {

constexpr std::array<ControlKind, 4> kinds{ControlKind::Label, ControlKind::List,
                                           ControlKind::Command, ControlKind::Statement};

bool highContrastSetting = false;

TEST_F(MainWindowTest, WindowAndControlsAreTheFormsAt96Dpi)
{
    ASSERT_EQ(form().dpi(), 96u) << "the test prefix runs at 96 DPI";
    EXPECT_EQ(WindowText(window()), Widen(form::Caption()));
    EXPECT_TRUE(HasStyle(window(), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_FALSE(HasStyle(window(), WS_THICKFRAME));
    EXPECT_FALSE(HasStyle(window(), WS_MAXIMIZEBOX));
    expectFormAtDpi(96);

    const std::array<std::wstring, 4> classes{L"Static", L"ListBox", L"Button", L"Edit"};
    // A list box drops WS_VSCROLL while its items fit; the statement keeps it.
    const std::array<LONG_PTR, 4> styles{SS_CENTER, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, BS_OWNERDRAW,
                                         ES_MULTILINE | ES_READONLY | WS_VSCROLL};
    for (const form::Control &each : form::Controls()) {
        SCOPED_TRACE(each.name);
        const HWND shown = control(each.kind, each.index);
        const auto kind = static_cast<std::size_t>(each.kind);
        EXPECT_EQ(kinds.at(kind), each.kind);
        EXPECT_EQ(_wcsicmp(ClassNameOf(shown).c_str(), classes.at(kind).c_str()), 0);
        EXPECT_TRUE(HasStyle(shown, styles.at(kind)));
        if (each.text) {
            EXPECT_EQ(WindowText(shown), Widen(each.text));
        }
    }
    EXPECT_NE(WindowText(control(ControlKind::Statement, 0)).find(L"\r\n"), std::wstring::npos);
}

TEST_F(MainWindowTest, AWindowMovedToAnotherDpiScalesTheWholeForm)
{
    for (const UINT dpi : {120u, 144u, 192u}) {
        SCOPED_TRACE(std::to_string(dpi) + " DPI");
        RECT suggested{};
        GetWindowRect(window(), &suggested);
        SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        expectFormAtDpi(dpi);
        expectListsMirrorBoard(std::to_string(dpi) + " DPI");
    }
}

TEST_F(MainWindowTest, PaintsTheExactColoursAndTheSystemsInHighContrast)
{
    const auto rgb = [](form::Colour colour) {
        return RGB(colour.red, colour.green, colour.blue);
    };
    expectPainted(rgb(form::windowBackground), [rgb](const form::Control &each) {
        return std::pair{rgb(*each.background), rgb(form::textOnFixedColour)};
    });

    // Wine keeps no high-contrast setting: a stand-in switches it, at run time.
    highContrastSetting = true;
    m_window->readHighContrastFrom([] { return highContrastSetting; });
    SendMessageW(window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    expectPainted(GetSysColor(COLOR_WINDOW), [](const form::Control &each) {
        return each.kind == ControlKind::Command
                   ? std::pair{GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)}
                   : std::pair{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
    });

    highContrastSetting = false;
    SendMessageW(window(), WM_SYSCOLORCHANGE, 0, 0);
    expectPainted(rgb(form::windowBackground), [rgb](const form::Control &each) {
        return std::pair{rgb(*each.background), rgb(form::textOnFixedColour)};
    });
}

// Every program-drawn focus mark is two solid pixels that stand out at least
// 3:1 from what the same pixels show without the focus; shown at once, with
// no key pressed yet.
TEST_F(MainWindowTest, FocusMarksAreTwoSolidPixelsOfAtLeastThreeToOne)
{
    const auto expectMark = [this](HWND control, int x, int y, COLORREF mark) {
        SetFocus(control);
        processMessages();
        UpdateWindow(control);
        const COLORREF focused[] = {PixelOf(control, x, y), PixelOf(control, x, y + 1)};
        SetFocus(control == this->control(ControlKind::Statement, 0)
                     ? this->control(ControlKind::Command, form::Delete)
                     : this->control(ControlKind::Statement, 0));
        processMessages();
        UpdateWindow(control);
        const COLORREF unfocused[] = {PixelOf(control, x, y), PixelOf(control, x, y + 1)};
        for (int row = 0; row < 2; ++row) {
            EXPECT_EQ(focused[row], mark) << "row " << row;
            EXPECT_GE(Contrast(focused[row], unfocused[row]), 3.0) << "row " << row;
        }
    };
    // Buttons: inside the raised edge (two pixels), three pixels in.
    for (const int command : {form::Enter, form::TakeOut, form::Delete}) {
        SCOPED_TRACE("button " + std::to_string(command));
        const HWND button = control(ControlKind::Command, command);
        RECT place{};
        GetClientRect(button, &place);
        expectMark(button, place.right / 2, 3, RGB(0, 0, 0));
    }
    // The statement: over its sunken edge.
    {
        SCOPED_TRACE("statement");
        const HWND statement = control(ControlKind::Statement, 0);
        RECT place{};
        GetWindowRect(statement, &place);
        expectMark(statement, (place.right - place.left) / 2, 0, GetSysColor(COLOR_WINDOWTEXT));
    }
    // A list's current item: selected ("100" at start), then not selected.
    const HWND speakers = control(ControlKind::List, 0);
    RECT edge{};
    GetWindowRect(speakers, &edge);
    RECT client{};
    GetClientRect(speakers, &client);
    POINT origin{};
    ClientToScreen(speakers, &origin);
    const int inset = origin.y - edge.top;
    {
        SCOPED_TRACE("selected current item");
        expectMark(speakers, origin.x - edge.left + client.right / 2, inset,
                   GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    press(form::Enter);
    ASSERT_EQ(board().SpeakersList().ListIndex(), -1);
    {
        SCOPED_TRACE("current item, not selected");
        expectMark(speakers, origin.x - edge.left + client.right / 2, inset,
                   GetSysColor(COLOR_WINDOWTEXT));
    }
    // In high contrast the marks take the system's colours: a theme's yellow
    // on black buttons and white on black lists here, then the colours are
    // put back.
    highContrastSetting = true;
    m_window->readHighContrastFrom([] { return highContrastSetting; });
    const INT elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW, COLOR_WINDOWTEXT};
    const COLORREF saved[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT),
                              GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
    const COLORREF theme[] = {RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 0, 0), RGB(255, 255, 255)};
    SetSysColors(4, elements, theme);
    SendMessageW(window(), WM_SYSCOLORCHANGE, 0, 0);
    {
        SCOPED_TRACE("high contrast");
        const HWND button = control(ControlKind::Command, form::TakeOut);
        RECT place{};
        GetClientRect(button, &place);
        expectMark(button, place.right / 2, 3, RGB(255, 255, 0));
        expectMark(speakers, origin.x - edge.left + client.right / 2, inset, RGB(255, 255, 255));
    }
    SetSysColors(4, elements, saved);
    highContrastSetting = false;
    SendMessageW(window(), WM_SYSCOLORCHANGE, 0, 0);
}

} // namespace
