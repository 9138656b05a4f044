// SPDX-License-Identifier: MIT
// For the installer checks: waits up to ten seconds for a shown dialog of
// another program whose title holds the first argument, prints its title and
// the texts of its controls (UTF-8, one a line: "title|...", "class|text"),
// and then presses the button whose id is the second argument (IDCANCEL is 2)
// or, with none, closes the dialog. Ends with 1 when no such dialog shows.
#include "console_line.h"

#include <windows.h>

#include <array>
#include <cwchar>
#include <string>

namespace {

using win32::testing::PrintLine;

struct Search
{
    const wchar_t *titlePart;
    HWND found;
};

std::wstring textOf(HWND window)
{
    std::array<wchar_t, 1024> text{};
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::wstring classOf(HWND window)
{
    std::array<wchar_t, 256> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

BOOL CALLBACK findDialog(HWND window, LPARAM search)
{
    auto &wanted = *reinterpret_cast<Search *>(search);
    if (IsWindowVisible(window) && classOf(window) == L"#32770" &&
        textOf(window).find(wanted.titlePart) != std::wstring::npos) {
        wanted.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK printControl(HWND control, LPARAM)
{
    if (IsWindowVisible(control))
        PrintLine(classOf(control) + L"|" + textOf(control));
    return TRUE;
}

} // namespace

int wmain(int argumentCount, wchar_t **arguments)
{
    if (argumentCount < 2)
        return 2;
    Search search{arguments[1], nullptr};
    for (int attempt = 0; attempt < 100 && !search.found; ++attempt) {
        EnumWindows(findDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(100);
    }
    if (!search.found)
        return 1;
    // Let the dialog finish filling in its controls.
    Sleep(500);
    PrintLine(L"title|" + textOf(search.found));
    EnumChildWindows(search.found, printControl, 0);
    if (argumentCount > 2) {
        const int button = static_cast<int>(std::wcstol(arguments[2], nullptr, 10));
        PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(search.found, button)));
    } else {
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    }
    return 0;
}
