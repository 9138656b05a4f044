// SPDX-License-Identifier: MIT
// Listens, from a process of its own as a screen reader does, for the live
// regions of every program: prints "said|" and the region's text (UTF-8, one
// a line) for each EVENT_OBJECT_LIVEREGIONCHANGED, until the seconds given as
// its argument have passed.
#include "console_line.h"

#include <windows.h>

#include <cwchar>
#include <string>

namespace {

using win32::testing::PrintLine;

void CALLBACK liveRegionChanged(HWINEVENTHOOK, DWORD, HWND source, LONG object, LONG child, DWORD,
                                DWORD)
{
    if (object != OBJID_CLIENT || child != CHILDID_SELF)
        return;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(source)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(source, text.data(), static_cast<int>(text.size()))));
    PrintLine(L"said|" + text);
}

} // namespace

int wmain(int argumentCount, wchar_t **arguments)
{
    const long seconds = argumentCount > 1 ? std::wcstol(arguments[1], nullptr, 10) : 10;
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        liveRegionChanged, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (!hook)
        return 1;
    PrintLine(L"listening");
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    while (GetTickCount64() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    UnhookWinEvent(hook);
    return 0;
}
