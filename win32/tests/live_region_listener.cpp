// SPDX-License-Identifier: MIT
// Listens, from a process of its own as a screen reader does, for the live
// regions of every program: prints "said|" and the region's text (UTF-8, one
// a line) for each EVENT_OBJECT_LIVEREGIONCHANGED, until the seconds given as
// its argument have passed.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

void print(const std::wstring &line)
{
    const std::wstring withEnd = line + L"\n";
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, withEnd.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, withEnd.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(size - 1), &written,
              nullptr);
}

void CALLBACK liveRegionChanged(HWINEVENTHOOK, DWORD, HWND source, LONG object, LONG child, DWORD,
                                DWORD)
{
    if (object != OBJID_CLIENT || child != CHILDID_SELF)
        return;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(source)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(source, text.data(), static_cast<int>(text.size()))));
    print(L"said|" + text);
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
    print(L"listening");
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
