// SPDX-License-Identifier: MIT
// Where the focus starts and goes, the keys, and the statement no key or message changes.
#include "main_window_fixture.h"

namespace {

TEST_F(MainWindowTest, StartsLoadedWithTheFocusInTheStatement)
{
    ranking::RankingBoard loaded;
    form::Load(loaded);
    for (int role = 0; role < 3; ++role) {
        const auto listRole = static_cast<ranking::ListRole>(role);
        EXPECT_EQ(board().ListOf(listRole).Items(), loaded.ListOf(listRole).Items());
        EXPECT_EQ(board().ListOf(listRole).ListIndex(), loaded.ListOf(listRole).ListIndex());
    }
    expectListsMirrorBoard("start");
    EXPECT_EQ(GetFocus(), control(ControlKind::Statement, 0));
}

TEST_F(MainWindowTest, TabAndShiftTabFollowTheFormsOrderAndKeysPressButtons)
{
    const std::vector<HWND> order{control(ControlKind::Statement, 0),
                                  control(ControlKind::List, 0),
                                  control(ControlKind::List, 1),
                                  control(ControlKind::List, 2),
                                  control(ControlKind::Command, form::Enter),
                                  control(ControlKind::Command, form::TakeOut),
                                  control(ControlKind::Command, form::Delete)};
    ASSERT_EQ(GetFocus(), order.front());

    std::vector<HWND> forwards(order.begin() + 1, order.end());
    forwards.push_back(order.front());
    EXPECT_EQ(tabCycle(false), forwards);
    const std::vector<HWND> backwards(order.rbegin(), order.rend());
    EXPECT_EQ(tabCycle(true), backwards);

    // A multi-line EDIT asks its parent to move the focus on Tab.
    SendMessageW(window(), WM_NEXTDLGCTL, 0, FALSE);
    EXPECT_EQ(GetFocus(), order.at(1));

    SetFocus(control(ControlKind::Command, form::Enter));
    key(VK_SPACE);
    EXPECT_EQ(board().RankingList().ListCount(), 1) << "Space presses the focused button";
    SetFocus(control(ControlKind::Command, form::Delete));
    key(VK_RETURN);
    EXPECT_EQ(board().RankingList().ListCount(), 0) << "Enter presses the focused button";
}

TEST_F(MainWindowTest, TabIntoTheStatementShowsItsBeginningWithNothingSelected)
{
    const HWND statement = control(ControlKind::Statement, 0);
    for (const bool backwards : {false, true}) {
        SCOPED_TRACE(backwards ? "Shift+Tab from Говорещи" : "Tab from Изтрий");
        SendMessageW(statement, EM_SETSEL, 40, 60);
        SendMessageW(statement, EM_LINESCROLL, 0, 5);
        ASSERT_GT(SendMessageW(statement, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        SetFocus(control(backwards ? ControlKind::List : ControlKind::Command,
                         backwards ? 0 : form::Delete));
        BYTE keys[256]{};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = backwards ? 0x80 : 0;
        SetKeyboardState(keys);
        key(VK_TAB);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        ASSERT_EQ(GetFocus(), statement);
        DWORD start = 1;
        DWORD end = 1;
        SendMessageW(statement, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 0u) << "nothing selected";
        EXPECT_EQ(SendMessageW(statement, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "the top in view";
    }
}

TEST_F(MainWindowTest, EscapeInNoControlClosesTheWindow)
{
    for (const form::Control *each : form::TabOrder()) {
        SCOPED_TRACE(each->name);
        SetFocus(control(each->kind, each->index));
        for (const UINT message : {UINT{WM_KEYDOWN}, UINT{WM_CHAR}, UINT{WM_KEYUP}}) {
            MSG keyMessage{GetFocus(), message, VK_ESCAPE, 1, 0, {}};
            if (!IsDialogMessageW(window(), &keyMessage))
                DispatchMessageW(&keyMessage);
            processMessages();
        }
        ASSERT_TRUE(IsWindow(window()));
        EXPECT_TRUE(IsWindowVisible(window()));
    }
}

TEST_F(MainWindowTest, NoMessageChangesTheStatement)
{
    const HWND statement = control(ControlKind::Statement, 0);
    const std::wstring text = WindowText(statement);
    SetFocus(statement);
    SendMessageW(statement, EM_SETSEL, 0, -1);

    if (OpenClipboard(window())) {
        EmptyClipboard();
        const wchar_t pasted[] = L"поставено";
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof pasted);
        std::copy(std::begin(pasted), std::end(pasted), static_cast<wchar_t *>(GlobalLock(memory)));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
    SendMessageW(statement, WM_CHAR, L'x', 1);
    SendMessageW(statement, WM_KEYDOWN, VK_DELETE, 1);
    SendMessageW(statement, WM_PASTE, 0, 0);
    SendMessageW(statement, WM_CUT, 0, 0);
    SendMessageW(statement, WM_CLEAR, 0, 0);
    SendMessageW(statement, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"y"));
    SendMessageW(statement, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"z"));
    SendMessageW(statement, EM_SETREADONLY, FALSE, 0);
    SendMessageW(statement, WM_CHAR, L'w', 1);
    SendMessageW(statement, WM_UNDO, 0, 0);
    processMessages();
    EXPECT_EQ(WindowText(statement), text);
}

} // namespace
