// SPDX-License-Identifier: MIT
#include "control_id.h"
#include "main_window.h"
#include "wide_text.h"

#include <form/command_dispatch.h>
#include <form/form_description.h>
#include <ranking/item_list.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using form::ControlKind;
using win32::Widen;

namespace {

constexpr std::array<ControlKind, 4> kinds{ControlKind::Label, ControlKind::List,
                                           ControlKind::Command, ControlKind::Statement};

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring className(HWND window)
{
    std::array<wchar_t, 64> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

bool hasStyle(HWND window, LONG_PTR style)
{
    return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}

// Stands in for the system's Dynamic Annotation service, whose settings
// cannot be read back, and keeps what the window asks it to set on each
// control.
class RecordingAccPropServices final : public IAccPropServices
{
public:
    using Key = std::pair<HWND, GUID>;
    struct KeyOrder
    {
        bool operator()(const Key &left, const Key &right) const
        {
            if (left.first != right.first)
                return left.first < right.first;
            return std::memcmp(&left.second, &right.second, sizeof(GUID)) < 0;
        }
    };
    std::map<Key, std::wstring, KeyOrder> strings;
    std::map<Key, LONG, KeyOrder> numbers;
    std::vector<HWND> cleared;

    [[nodiscard]] std::wstring string(HWND window, const GUID &id) const
    {
        const auto found = strings.find({window, id});
        return found == strings.end() ? std::wstring() : found->second;
    }
    [[nodiscard]] LONG number(HWND window, const GUID &id) const
    {
        const auto found = numbers.find({window, id});
        return found == numbers.end() ? -1 : found->second;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        if (id != IID_IUnknown && id != IID_IAccPropServices) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND window, DWORD object, DWORD child, MSAAPROPID id,
                                             LPCWSTR text) override
    {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF)
            return E_INVALIDARG;
        strings[{window, id}] = text;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetHwndProp(HWND window, DWORD object, DWORD child, MSAAPROPID id,
                                          VARIANT value) override
    {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF ||
            value.vt != VT_I4)
            return E_INVALIDARG;
        numbers[{window, id}] = value.lVal;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND window, DWORD, DWORD, const MSAAPROPID *,
                                             int) override
    {
        cleared.push_back(window);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE *, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE *, DWORD, const MSAAPROPID *, int,
                                            IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearProps(const BYTE *, DWORD, const MSAAPROPID *, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID *, int,
                                                IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE **,
                                                        DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE *, DWORD, HWND *, DWORD *,
                                                          DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID *, int,
                                                 IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID *, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE **, DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE *, DWORD, HMENU *,
                                                           DWORD *) override
    {
        return E_NOTIMPL;
    }
};

class MainWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    static void TearDownTestSuite() { CoUninitialize(); }

    void SetUp() override
    {
        m_window = std::make_unique<win32::MainWindow>(&m_accessibility);
        ASSERT_TRUE(m_window->create(GetModuleHandleW(nullptr))) << m_window->startFailure();
        ShowWindow(window(), SW_SHOWNORMAL);
        SetForegroundWindow(window());
        UpdateWindow(window());
        m_window->connectAccessibility();
        processMessages();
    }

    void TearDown() override
    {
        if (window())
            DestroyWindow(window());
        processMessages();
        m_window.reset();
    }

    [[nodiscard]] const win32::MainWindow &form() const { return *m_window; }
    [[nodiscard]] HWND window() const { return m_window ? m_window->handle() : nullptr; }
    [[nodiscard]] const ranking::RankingBoard &board() const { return m_window->board(); }

    [[nodiscard]] HWND control(ControlKind kind, int index) const
    {
        return GetDlgItem(window(), win32::ControlId(form::ControlAt(kind, index)));
    }

    void processMessages() const
    {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT || (window() && IsDialogMessageW(window(), &message)))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    void press(int command) const
    {
        SendMessageW(control(ControlKind::Command, command), BM_CLICK, 0, 0);
    }

    // As the list box does on a click: it selects, then tells its parent.
    void select(ranking::ListRole role, int index) const
    {
        const HWND list = control(ControlKind::List, static_cast<int>(role));
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        notifySelectionChange(role);
    }

    void notifySelectionChange(ranking::ListRole role) const
    {
        const HWND list = control(ControlKind::List, static_cast<int>(role));
        SendMessageW(window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }

    void key(UINT virtualKey) const
    {
        for (const UINT message : {UINT{WM_KEYDOWN}, UINT{WM_KEYUP}}) {
            MSG keyMessage{GetFocus(), message, virtualKey, 1, 0, {}};
            if (!IsDialogMessageW(window(), &keyMessage))
                DispatchMessageW(&keyMessage);
        }
        processMessages();
    }

    // Every list box shows its board list: items, order, selection, and the
    // selected item fully in view.
    void expectListsMirrorBoard(const std::string &step) const
    {
        for (int role = 0; role < 3; ++role) {
            const ranking::ItemList &list = board().ListOf(static_cast<ranking::ListRole>(role));
            const HWND box = control(ControlKind::List, role);
            SCOPED_TRACE(step + ", list " + std::to_string(role));
            ASSERT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), list.ListCount());
            for (int index = 0; index < list.ListCount(); ++index) {
                std::array<wchar_t, 64> text{};
                SendMessageW(box, LB_GETTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(text.data()));
                EXPECT_EQ(std::wstring(text.data()), Widen(list.List(index)));
            }
            EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), list.ListIndex());
            RECT client{};
            GetClientRect(box, &client);
            EXPECT_EQ(client.bottom % SendMessageW(box, LB_GETITEMHEIGHT, 0, 0), 0)
                << "whole rows fill the list box";
            if (list.ListIndex() >= 0) {
                RECT item{};
                SendMessageW(box, LB_GETITEMRECT, static_cast<WPARAM>(list.ListIndex()),
                             reinterpret_cast<LPARAM>(&item));
                EXPECT_GE(item.top, client.top);
                EXPECT_LE(item.bottom, client.bottom);
            }
        }
    }

    [[nodiscard]] static std::vector<COLORREF> capture(HWND control)
    {
        GdiFlush();
        RECT client{};
        GetClientRect(control, &client);
        const HDC dc = GetDC(control);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                pixels.push_back(GetPixel(dc, x, y));
        ReleaseDC(control, dc);
        return pixels;
    }

    [[nodiscard]] RECT placeInClient(HWND control) const
    {
        RECT place{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, window(), reinterpret_cast<POINT *>(&place), 2);
        return place;
    }

    void expectFormAtDpi(UINT dpi) const
    {
        const auto scaled = [dpi](int pixels) {
            return MulDiv(pixels, static_cast<int>(dpi), 96);
        };
        RECT client{};
        GetClientRect(window(), &client);
        EXPECT_EQ(client.right, scaled(form::clientSize.width));
        EXPECT_EQ(client.bottom, scaled(form::clientSize.height));
        for (const form::Control &each : form::Controls()) {
            SCOPED_TRACE(each.name);
            const HWND shown = control(each.kind, each.index);
            const RECT place = placeInClient(shown);
            EXPECT_EQ(place.left, scaled(each.geometry.left));
            EXPECT_EQ(place.top, scaled(each.geometry.top));
            EXPECT_EQ(place.right - place.left, scaled(each.geometry.width));
            EXPECT_EQ(place.bottom - place.top, scaled(each.geometry.height));
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(shown, WM_GETFONT, 0, 0)), sizeof font,
                       &font);
            EXPECT_EQ(std::wstring(font.lfFaceName), Widen(form::font.family));
            EXPECT_EQ(font.lfCharSet, form::font.characterSet);
            EXPECT_EQ(font.lfHeight, -MulDiv(form::font.pointSize, static_cast<int>(dpi), 72));
        }
    }

    // The window's face, and the face and the text colour of each label and
    // button, as painted at 96 DPI.
    template <typename FaceAndText>
    void expectPainted(COLORREF windowFace, FaceAndText faceAndText) const
    {
        RedrawWindow(window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        processMessages();
        GdiFlush();
        const HDC windowDc = GetDC(window());
        const auto colourAt = [windowDc](int x, int y) {
            return GetPixel(windowDc, x, y);
        };
        EXPECT_EQ(colourAt(2, 2), windowFace);
        for (const form::Control &each : form::Controls()) {
            if (!each.background || each.kind == ControlKind::List)
                continue;
            SCOPED_TRACE(each.name);
            const auto [face, text] = faceAndText(each);
            const form::Geometry &place = each.geometry;
            // Inside the face, clear of the edge, the focus rectangle and the text.
            EXPECT_EQ(colourAt(place.left + 3, place.top + place.height / 2), face);
            int textPixels = 0;
            for (int x = place.left; x < place.left + place.width; ++x)
                textPixels += colourAt(x, place.top + place.height / 2) == text;
            EXPECT_GT(textPixels, 0) << "text of its colour on the face";
        }
        ReleaseDC(window(), windowDc);
    }

    [[nodiscard]] std::vector<HWND> tabCycle(bool backwards) const
    {
        BYTE keys[256]{};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = backwards ? 0x80 : 0;
        SetKeyboardState(keys);
        std::vector<HWND> visited;
        for (std::size_t step = 0; step < form::TabOrder().size(); ++step) {
            key(VK_TAB);
            visited.push_back(GetFocus());
        }
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        return visited;
    }

    RecordingAccPropServices m_accessibility;
    std::unique_ptr<win32::MainWindow> m_window;
};

TEST_F(MainWindowTest, WindowAndControlsAreTheFormsAt96Dpi)
{
    ASSERT_EQ(form().dpi(), 96u) << "the test prefix runs at 96 DPI";
    EXPECT_EQ(windowText(window()), Widen(form::Caption()));
    EXPECT_TRUE(hasStyle(window(), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_FALSE(hasStyle(window(), WS_THICKFRAME));
    EXPECT_FALSE(hasStyle(window(), WS_MAXIMIZEBOX));
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
        EXPECT_EQ(_wcsicmp(className(shown).c_str(), classes.at(kind).c_str()), 0);
        EXPECT_TRUE(hasStyle(shown, styles.at(kind)));
        if (each.text) {
            EXPECT_EQ(windowText(shown), Widen(each.text));
        }
    }
    EXPECT_NE(windowText(control(ControlKind::Statement, 0)).find(L"\r\n"), std::wstring::npos);
}

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

TEST_F(MainWindowTest, NoMessageChangesTheStatement)
{
    const HWND statement = control(ControlKind::Statement, 0);
    const std::wstring text = windowText(statement);
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
    EXPECT_EQ(windowText(statement), text);
}

TEST_F(MainWindowTest, TabAndShiftTabFollowTheFormsOrderAndKeysPressButtons)
{
    std::vector<HWND> order;
    for (const form::Control *each : form::TabOrder())
        order.push_back(control(each->kind, each->index));
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

std::vector<std::pair<HWND, std::wstring>> liveRegionEvents;

void CALLBACK recordLiveRegionEvent(HWINEVENTHOOK, DWORD, HWND source, LONG object, LONG child,
                                    DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        liveRegionEvents.emplace_back(source, windowText(source));
}

TEST_F(MainWindowTest, EachPressIsSaidOnceThroughAPoliteLiveRegion)
{
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        recordLiveRegionEvent, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    ranking::RankingBoard expected;
    form::Load(expected);
    const auto expectSaid = [&](int command) {
        liveRegionEvents.clear();
        press(command);
        processMessages();
        const std::string sentence = form::RunCommand(expected, command);
        ASSERT_EQ(liveRegionEvents.size(), 1u) << sentence;
        const auto [region, text] = liveRegionEvents.front();
        EXPECT_EQ(text, Widen(sentence));
        EXPECT_EQ(GetParent(region), window());
        EXPECT_EQ(m_accessibility.number(region, win32::liveSettingProperty),
                  win32::politeLiveSetting);
        RECT place{};
        GetClientRect(region, &place);
        EXPECT_TRUE(IsRectEmpty(&place)) << "not on the form";
    };
    expectSaid(form::Enter);
    expectSaid(form::Enter);
    expectSaid(form::TakeOut);
    select(ranking::ListRole::Ranking, 0);
    expected.RankingList().SetListIndex(0);
    expectSaid(form::TakeOut);
    expectSaid(form::Delete);
    UnhookWinEvent(hook);
}

bool highContrastSetting = false;

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

// A window whose handler throws on one message.
class ThrowingWindow final : public win32::BaseWindow<ThrowingWindow>
{
public:
    explicit ThrowingWindow(UINT throwOn)
        : m_throwOn(throwOn)
    {}

    bool create()
    {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = windowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ThrowingWindow";
        RegisterClassExW(&windowClass);
        return CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 100, 100,
                               nullptr, nullptr, windowClass.hInstance, this) != nullptr;
    }

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == m_throwOn)
            throw std::runtime_error("the handler failed");
        return DefWindowProcW(m_window, message, wParam, lParam);
    }

private:
    UINT m_throwOn;
};

TEST(BaseWindow, AHandlerThatThrowsFailsTheCreationOrClosesTheWindow)
{
    ThrowingWindow failsToCreate(WM_CREATE);
    EXPECT_FALSE(failsToCreate.create());
    EXPECT_TRUE(failsToCreate.failed());

    ThrowingWindow failsLater(WM_APP);
    ASSERT_TRUE(failsLater.create());
    const HWND window = failsLater.handle();
    EXPECT_FALSE(failsLater.failed());
    SendMessageW(window, WM_APP, 0, 0);
    EXPECT_TRUE(failsLater.failed());
    EXPECT_FALSE(IsWindow(window));
}

std::wstring programBesideThisOne()
{
    std::array<wchar_t, MAX_PATH> path{};
    GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring program(path.data());
    return program.substr(0, program.find_last_of(L"\\/") + 1) + L"language-ranking.exe";
}

HWND topLevelWindowOf(DWORD processId)
{
    struct Search
    {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto &wanted = *reinterpret_cast<Search *>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != wanted.processId || !IsWindowVisible(window))
                return TRUE;
            wanted.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(Program, ClosingTheWindowEndsItWithExitCodeZero)
{
    std::wstring commandLine = L"\"" + programBesideThisOne() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    WaitForInputIdle(process.hProcess, 10000);
    HWND shown = nullptr;
    for (int attempt = 0; attempt < 100 && !shown; ++attempt) {
        shown = topLevelWindowOf(process.dwProcessId);
        if (!shown)
            Sleep(100);
    }
    ASSERT_NE(shown, nullptr);
    PostMessageW(shown, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace
