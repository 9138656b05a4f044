// SPDX-License-Identifier: MIT
#pragma once

// The window's tests share this fixture: the window made, shown and named
// through a stand-in for the Dynamic Annotation service, driven by messages
// as a user and a screen reader would, and what it shows read back.

#include "control_id.h"
#include "main_window.h"
#include "recording_acc_prop_services.h"
#include "wide_text.h"

#include <form/command_dispatch.h>
#include <form/form_description.h>
#include <ranking/item_list.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using form::ControlKind;
using win32::Widen;

inline std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::wstring ClassNameOf(HWND window)
{
    std::array<wchar_t, 64> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

// WCAG's contrast ratio of two colours.
inline double Contrast(COLORREF first, COLORREF second)
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
inline COLORREF PixelOf(HWND control, int x, int y)
{
    GdiFlush();
    const HDC dc = GetWindowDC(control);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return colour;
}

inline bool HasStyle(HWND window, LONG_PTR style)
{
    return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}

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
