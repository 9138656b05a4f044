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
#include <cmath>
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

// WCAG's contrast ratio of two colours.
double contrast(COLORREF first, COLORREF second)
{
    const auto luminance = [](COLORREF colour) {
        const auto channel = [](int value) {
            const double share = value / 255.0;
            return share <= 0.04045 ? share / 12.92 : std::pow((share + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(GetRValue(colour)) + 0.7152 * channel(GetGValue(colour)) +
               0.0722 * channel(GetBValue(colour));
    };
    const double lighter = std::max(luminance(first), luminance(second));
    const double darker = std::min(luminance(first), luminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}

// The colour of pixel (x, y) of @p control, its frame included.
COLORREF pixelOf(HWND control, int x, int y)
{
    GdiFlush();
    const HDC dc = GetWindowDC(control);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return colour;
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
        // The statement, three lists, three buttons.
        for (int step = 0; step < 7; ++step) {
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
        EXPECT_EQ(windowText(region), Widen(sentence));
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
    EXPECT_EQ(windowText(region), L"");
    expectSaid(form::Enter, "Въведено „100 английски“, място 1 от 1 в класацията.");
    liveRegionEvents.clear();
    SetFocus(control(ControlKind::List, 2));
    processMessages();
    EXPECT_EQ(windowText(region), L"") << "a list taking the focus empties it too";
    EXPECT_TRUE(liveRegionEvents.empty());
    UnhookWinEvent(hook);
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
        const COLORREF focused[] = {pixelOf(control, x, y), pixelOf(control, x, y + 1)};
        SetFocus(control == this->control(ControlKind::Statement, 0)
                     ? this->control(ControlKind::Command, form::Delete)
                     : this->control(ControlKind::Statement, 0));
        processMessages();
        UpdateWindow(control);
        const COLORREF unfocused[] = {pixelOf(control, x, y), pixelOf(control, x, y + 1)};
        for (int row = 0; row < 2; ++row) {
            EXPECT_EQ(focused[row], mark) << "row " << row;
            EXPECT_GE(contrast(focused[row], unfocused[row]), 3.0) << "row " << row;
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
