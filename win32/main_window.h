// SPDX-License-Identifier: MIT
#pragma once

#include "accessible_names.h"
#include "base_window.h"
#include "keyboard_focus.h"
#include "window_controls.h"
#include "window_layout.h"
#include "window_painter.h"

#include <ranking/ranking_board.h>

#include <windows.h>

#include <string>

namespace win32 {

/// The exercise's window: the form's controls over one ranking board, which
/// stays the only place the lists live. It takes the window's messages and
/// hands each to the part that does the job: the controls, their layout at a
/// DPI, the painting, the keyboard focus; a press of a button runs here, on
/// the board.
class MainWindow final : public BaseWindow<MainWindow>
{
public:
    static constexpr const wchar_t *className = L"LanguageRankingWindow";
    static constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    static constexpr DWORD exStyle = 0;

    /// Runs the load step. The window's accessible names go through
    /// @p accessibility, or the system's service when it is nullptr.
    explicit MainWindow(IAccPropServices *accessibility = nullptr);

    /// Creates the window, not yet shown; false when that fails, with the
    /// reason in startFailure().
    [[nodiscard]] bool create(HINSTANCE instance);
    /// Gives the lists and the statement their accessible names and makes the
    /// place where presses are announced a live region. Called once the
    /// window is on screen and before its messages are handled: the window
    /// shows without waiting for the accessibility libraries to load, and
    /// answers no accessibility client before it has its names.
    void connectAccessibility();
    /// Why create() failed, in Bulgarian, for the user.
    [[nodiscard]] const std::wstring &startFailure() const { return m_startFailure; }

    /// Closes the window once it has painted itself for the first time: for
    /// start-up measurements and smoke tests.
    void quitAfterFirstPaint() { m_quitAfterFirstPaint = true; }

    /// Where the window learns whether high contrast is on; the system's
    /// setting unless a test stands in for it. Read at creation and whenever
    /// the system's settings or colours change.
    void readHighContrastFrom(bool (*isOn)()) { m_painter.readHighContrastFrom(isOn); }

    [[nodiscard]] const ranking::RankingBoard &board() const { return m_board; }
    [[nodiscard]] UINT dpi() const { return m_layout.scale().dpi(); }
    /// Whether every list and the statement got its accessible name.
    [[nodiscard]] bool accessibleNamesSet() const { return m_accessibleNamesSet; }

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    [[nodiscard]] bool registerClass(HINSTANCE instance);
    bool fail(const wchar_t *what);

    LRESULT onCreate();
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onDrawItem(LPARAM lParam);
    LRESULT onControlColourStatic(WPARAM wParam, LPARAM lParam);
    LRESULT onEraseBackground(WPARAM wParam);
    LRESULT onPaint();
    LRESULT onDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT onNextDialogControl(WPARAM wParam, LPARAM lParam);
    LRESULT onActivate(WPARAM wParam);
    LRESULT onColoursChanged();
    LRESULT onDestroy();

    void pressCommand(int index);

    ranking::RankingBoard m_board;
    WindowLayout m_layout{style, exStyle};
    WindowPainter m_painter;
    WindowControls m_controls;
    KeyboardFocus m_focus;
    AccessibleNames m_names;
    bool m_accessibleNamesSet = false;
    bool m_quitAfterFirstPaint = false;
    bool m_painted = false;
    std::wstring m_startFailure;
};

} // namespace win32
