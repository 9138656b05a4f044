// SPDX-License-Identifier: MIT
#pragma once

// For the test helpers that run under Wine and report to a shell script: one
// line of text on standard output, in UTF-8 whatever the console's code page.

#include <windows.h>

#include <string>

namespace win32::testing {

inline void PrintLine(const std::wstring &line)
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

} // namespace win32::testing
