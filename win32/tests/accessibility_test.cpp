// SPDX-License-Identifier: MIT
// What a screen reader is told: the live region and the accessible names.
#include "main_window_fixture.h"

namespace {

std::vector<std::pair<HWND, std::wstring>> liveRegionEvents;

void CALLBACK recordLiveRegionEvent(HWINEVENTHOOK, DWORD, HWND source, LONG object, LONG child,
                                    DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        liveRegionEvents.emplace_back(source, WindowText(source));
}

TEST_F(MainWindowTest, EachPressIsSaidOnceThroughAPoliteLiveRegionUntilTheFocusMoves)
{
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        recordLiveRegionEvent, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    const auto expectSaid = [&](int command, const std::string &sentence) {
        liveRegionEvents.clear();
        press(command);
        processMessages();
        ASSERT_EQ(liveRegionEvents.size(), 1u) << sentence;
        const auto [region, text] = liveRegionEvents.front();
        EXPECT_EQ(text, Widen(sentence));
        EXPECT_EQ(WindowText(region), Widen(sentence));
        EXPECT_EQ(GetParent(region), window());
        EXPECT_EQ(m_accessibility.number(region, win32::liveSettingProperty),
                  win32::politeLiveSetting);
        RECT place{};
        GetClientRect(region, &place);
        EXPECT_TRUE(IsRectEmpty(&place)) << "not on the form";
    };
    expectSaid(form::Enter, "Въведено „100 английски“, място 1 от 1 в класацията.");
    expectSaid(form::Enter, "Нищо не е въведено: изберете брой говорещи и език.");
    expectSaid(form::Enter, "Нищо не е въведено: изберете брой говорещи и език.");
    expectSaid(form::TakeOut, "Нищо не е изведено: изберете ред от класацията.");
    select(ranking::ListRole::Ranking, 0);
    expectSaid(form::TakeOut, "Изведено „100 английски“. Класацията е празна.");
    expectSaid(form::Delete, "Класацията е празна. Избрани са първият брой и първият език.");
    expectSaid(form::Delete, "Класацията е празна. Избрани са първият брой и първият език.");

    // Once the focus moves on, no stale sentence is left to find, and the
    // emptying is not announced.
    const HWND region = liveRegionEvents.front().first;
    liveRegionEvents.clear();
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), control(ControlKind::Statement, 0));
    EXPECT_EQ(WindowText(region), L"");
    expectSaid(form::Enter, "Въведено „100 английски“, място 1 от 1 в класацията.");
    liveRegionEvents.clear();
    SetFocus(control(ControlKind::List, 2));
    processMessages();
    EXPECT_EQ(WindowText(region), L"") << "a list taking the focus empties it too";
    EXPECT_TRUE(liveRegionEvents.empty());
    UnhookWinEvent(hook);
}

TEST_F(MainWindowTest, ListsAndStatementGetTheFormsAccessibleNamesUntilTheWindowGoes)
{
    std::vector<HWND> named;
    for (const form::Control &each : form::Controls()) {
        if (each.kind != ControlKind::List && each.kind != ControlKind::Statement)
            continue;
        const HWND shown = control(each.kind, each.index);
        named.push_back(shown);
        EXPECT_EQ(m_accessibility.string(shown, PROPID_ACC_NAME), Widen(each.accessibleName))
            << each.name;
    }
    EXPECT_TRUE(form().accessibleNamesSet());
    DestroyWindow(window());
    for (const HWND each : named)
        EXPECT_NE(std::find(m_accessibility.cleared.begin(), m_accessibility.cleared.end(), each),
                  m_accessibility.cleared.end());
}

TEST(AccessibleNames, ReachTheSystemServiceThroughTheComLibraryLoadedAtRunTime)
{
    win32::AccessibleNames names;
    EXPECT_TRUE(names.connect());
}

} // namespace
