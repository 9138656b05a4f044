// SPDX-License-Identifier: MIT
// The list boxes as mirrors of the board: presses, selections, scrolling, keys.
#include "main_window_fixture.h"

#include <random>

namespace {

TEST_F(MainWindowTest, PressesAndSelectionsKeepEveryListBoxAMirrorOfTheBoard)
{
    using enum ranking::ListRole;
    select(Speakers, 7);
    expectListsMirrorBoard("select 800");
    select(Languages, 4);
    expectListsMirrorBoard("select a language below the fold");
    press(form::Enter);
    expectListsMirrorBoard("enter");
    ASSERT_EQ(board().RankingList().ListCount(), 1);
    press(form::Enter);
    expectListsMirrorBoard("enter again");
    EXPECT_EQ(board().RankingList().ListCount(), 1) << "a second press adds nothing";

    select(Speakers, 2);
    select(Languages, 0);
    // A quick second click on an owner-drawn button arrives as a double click.
    const HWND enter = control(ControlKind::Command, form::Enter);
    SendMessageW(window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(enter), BN_DOUBLECLICKED),
                 reinterpret_cast<LPARAM>(enter));
    expectListsMirrorBoard("double click");
    ASSERT_EQ(board().RankingList().ListCount(), 2);

    select(Ranking, 1);
    press(form::TakeOut);
    expectListsMirrorBoard("take out");
    EXPECT_EQ(board().RankingList().ListCount(), 1);
    press(form::Delete);
    expectListsMirrorBoard("delete");
    EXPECT_EQ(board().RankingList().ListCount(), 0);
}

// The list box's own scrolling on a new selection is not the form's rule: a
// list moves only as far as its selected row needs to be seen whole.
TEST_F(MainWindowTest, AListScrollsOnlyAsFarAsItsNewSelectionNeeds)
{
    using enum ranking::ListRole;
    const HWND speakers = control(ControlKind::List, static_cast<int>(Speakers));
    RECT client{};
    GetClientRect(speakers, &client);
    const auto rows =
        static_cast<int>(client.bottom / SendMessageW(speakers, LB_GETITEMHEIGHT, 0, 0));
    const int count = board().SpeakersList().ListCount();
    ASSERT_LT(rows, count) << "the list scrolls";
    for (int top = 0; top <= count - rows; ++top) {
        for (int index = 0; index < count; ++index) {
            SCOPED_TRACE("top " + std::to_string(top) + ", row " + std::to_string(index));
            SendMessageW(speakers, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
            SendMessageW(speakers, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
            SendMessageW(speakers, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
            notifySelectionChange(Speakers);
            EXPECT_EQ(SendMessageW(speakers, LB_GETTOPINDEX, 0, 0),
                      form::TopRowShowing(index, top, rows));
        }
    }
}

TEST_F(MainWindowTest, SeededRandomClicksKeepTheMirror)
{
    std::mt19937 random(20260109);
    for (int step = 0; step < 300; ++step) {
        const int role = std::uniform_int_distribution(0, 3)(random);
        if (role == 3) {
            press(std::uniform_int_distribution(0, 2)(random));
        } else {
            const int count = board().ListOf(static_cast<ranking::ListRole>(role)).ListCount();
            if (count == 0)
                continue;
            select(static_cast<ranking::ListRole>(role),
                   std::uniform_int_distribution(0, count - 1)(random));
        }
        expectListsMirrorBoard("step " + std::to_string(step));
        if (HasFatalFailure())
            return;
    }
}

// Automation may set a list box's selection without the notification a click
// sends; the buttons act on what the boxes show all the same.
TEST_F(MainWindowTest, ButtonsActOnTheSelectionTheListBoxesShow)
{
    using enum ranking::ListRole;
    const auto setQuietly = [this](ranking::ListRole role, int index) {
        SendMessageW(control(ControlKind::List, static_cast<int>(role)), LB_SETCURSEL,
                     static_cast<WPARAM>(index), 0);
    };
    setQuietly(Speakers, 4);
    setQuietly(Languages, 5);
    press(form::Enter);
    ASSERT_EQ(board().RankingList().Items(), std::vector<std::string>{"500 немски"});
    expectListsMirrorBoard("enter what is shown");

    setQuietly(Ranking, 0);
    press(form::TakeOut);
    EXPECT_EQ(board().RankingList().ListCount(), 0);
    expectListsMirrorBoard("take out what is shown");

    select(Speakers, -1);
    EXPECT_EQ(board().SpeakersList().ListIndex(), -1) << "a cleared selection counts";
    press(form::Enter);
    EXPECT_EQ(board().RankingList().ListCount(), 0);
    setQuietly(Speakers, 2);
    setQuietly(Languages, -1);
    press(form::Enter);
    EXPECT_EQ(board().RankingList().ListCount(), 0) << "no language shown, none entered";
    expectListsMirrorBoard("nothing to enter");
}

// Rows the wheel scrolled away, then a press: the box shows its rows and its
// scroll position as a full repaint and the form's rules have them.
TEST_F(MainWindowTest, WheelScrolledListsRepaintAndDeleteScrollsThemHome)
{
    using enum ranking::ListRole;
    const std::array<HWND, 2> sources{control(ControlKind::List, static_cast<int>(Speakers)),
                                      control(ControlKind::List, static_cast<int>(Languages))};
    const auto scrollDown = [&sources] {
        for (const HWND list : sources) {
            RECT place{};
            GetWindowRect(list, &place);
            SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
                         MAKELPARAM(place.left + 5, place.top + 5));
            ASSERT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
        }
    };
    scrollDown();
    press(form::Delete);
    for (const HWND list : sources)
        EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0) << "first rows in view";

    scrollDown();
    UpdateWindow(window());
    processMessages();
    press(form::Enter);
    processMessages();
    ASSERT_EQ(board().RankingList().ListCount(), 1);
    for (const HWND list : sources) {
        const std::vector<COLORREF> painted = capture(list);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_TRUE(painted == capture(list)) << "rows painted as they are";
    }
    expectListsMirrorBoard("enter after scrolling");
}

// What the list box tells assistive tools (the MSAA and UIA proxies read its
// caret and selection): after Въведи the current item of Говорещи is not
// selected; every navigation key selects the current item, also where it
// cannot move, and the board takes that selection.
TEST_F(MainWindowTest, NavigationKeysSelectTheCurrentItemEvenWhereItCannotMove)
{
    using enum ranking::ListRole;
    const HWND speakers = control(ControlKind::List, 0);
    const auto typed = [this](wchar_t character) {
        MSG keyMessage{GetFocus(), WM_CHAR, character, 1, 0, {}};
        if (!IsDialogMessageW(window(), &keyMessage))
            DispatchMessageW(&keyMessage);
        processMessages();
    };
    struct Case
    {
        const char *name;
        UINT virtualKey;
        wchar_t character;
        int selected;
    };
    // After Въведи of "100 английски", Говорещи holds 200 … 900 with nothing
    // selected and "200" current: the first key selects the current item, as
    // the platform's list box does, and a typed digit the item it starts; one
    // that starts none ("1") selects the current item all the same.
    const Case cases[] = {{"Up", VK_UP, 0, 0},        {"Down", VK_DOWN, 0, 0},
                          {"Home", VK_HOME, 0, 0},    {"End", VK_END, 0, 0},
                          {"PageUp", VK_PRIOR, 0, 0}, {"PageDown", VK_NEXT, 0, 0},
                          {"digit 5", 0, L'5', 3},    {"digit 1", 0, L'1', 0}};
    for (const Case &each : cases) {
        SCOPED_TRACE(each.name);
        select(Speakers, 0);
        select(Languages, 0);
        press(form::Enter);
        ASSERT_EQ(SendMessageW(speakers, LB_GETCURSEL, 0, 0), LB_ERR);
        SetFocus(speakers);
        processMessages();
        const auto current = SendMessageW(speakers, LB_GETCARETINDEX, 0, 0);
        ASSERT_EQ(current, 0);
        EXPECT_EQ(SendMessageW(speakers, LB_GETSEL, static_cast<WPARAM>(current), 0), 0)
            << "the current item is exposed as not selected";
        if (each.virtualKey)
            key(each.virtualKey);
        else
            typed(each.character);
        EXPECT_EQ(SendMessageW(speakers, LB_GETCURSEL, 0, 0), each.selected);
        EXPECT_EQ(board().SpeakersList().ListIndex(), each.selected);
        EXPECT_GT(SendMessageW(speakers, LB_GETSEL, static_cast<WPARAM>(each.selected), 0), 0);
        press(form::Delete);
    }

    // At the edges the selection stays where it is.
    const struct
    {
        int from;
        UINT virtualKey;
    } edges[] = {{0, VK_UP}, {0, VK_HOME}, {0, VK_PRIOR}, {8, VK_DOWN}, {8, VK_END}, {8, VK_NEXT}};
    for (const auto &edge : edges) {
        SCOPED_TRACE("edge key " + std::to_string(edge.virtualKey));
        select(Speakers, edge.from);
        SetFocus(speakers);
        key(edge.virtualKey);
        EXPECT_EQ(SendMessageW(speakers, LB_GETCURSEL, 0, 0), edge.from);
        EXPECT_EQ(board().SpeakersList().ListIndex(), edge.from);
    }

    // A list of one: seven languages entered, the eighth left alone.
    const HWND languages = control(ControlKind::List, 1);
    for (int entered = 0; entered < 7; ++entered) {
        select(Speakers, 0);
        select(Languages, 0);
        press(form::Enter);
    }
    ASSERT_EQ(board().LanguagesList().Items(), std::vector<std::string>{"френски"});
    for (const UINT virtualKey : {UINT{VK_DOWN}, UINT{VK_UP}, UINT{VK_HOME}, UINT{VK_END}}) {
        SCOPED_TRACE("one item, key " + std::to_string(virtualKey));
        select(Languages, -1);
        SetFocus(languages);
        key(virtualKey);
        EXPECT_EQ(SendMessageW(languages, LB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(board().LanguagesList().ListIndex(), 0);
    }
}

// Each new entry comes into view in Класация, scrolled by whole rows no
// further than it takes; Изведи brings the returned count and language into
// view in lists without a selection.
TEST_F(MainWindowTest, WhatAPressChangedComesIntoView)
{
    using enum ranking::ListRole;
    const HWND speakers = control(ControlKind::List, 0);
    const HWND languages = control(ControlKind::List, 1);
    const HWND rankingBox = control(ControlKind::List, 2);
    struct Entry
    {
        const char *text;
        int row;
        int topRow;
    };
    // The largest count left with the first language left: each entry lands
    // below the others. Класация shows four rows.
    const Entry entries[] = {{"900 английски", 0, 0}, {"800 арабски", 1, 0},
                             {"700 испански", 2, 0},  {"600 италиански", 3, 0},
                             {"500 китайски", 4, 1},  {"400 немски", 5, 2},
                             {"300 руски", 6, 3},     {"200 френски", 7, 4}};
    for (const Entry &entry : entries) {
        SCOPED_TRACE(entry.text);
        select(Speakers, board().SpeakersList().ListCount() - 1);
        select(Languages, 0);
        press(form::Enter);
        ASSERT_EQ(board().RankingList().List(entry.row), entry.text);
        EXPECT_EQ(SendMessageW(rankingBox, LB_GETTOPINDEX, 0, 0), entry.topRow);
    }

    press(form::Delete);
    select(Speakers, 8);
    select(Languages, 0);
    press(form::Enter);
    ASSERT_EQ(board().RankingList().Items(), std::vector<std::string>{"900 английски"});
    SendMessageW(speakers, LB_SETTOPINDEX, 0, 0);
    SendMessageW(languages, LB_SETTOPINDEX, 3, 0);
    select(Ranking, 0);
    press(form::TakeOut);
    // "900" back as the last of nine counts, "английски" as the first language.
    EXPECT_EQ(SendMessageW(speakers, LB_GETTOPINDEX, 0, 0), 5);
    EXPECT_EQ(SendMessageW(languages, LB_GETTOPINDEX, 0, 0), 0);
}

} // namespace
