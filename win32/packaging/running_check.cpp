// SPDX-License-Identifier: MIT
// Run by the MSI before it installs or removes anything: ends with 0 when the
// program is not running. While it runs, an interactive installation (UI level
// above 2, the first argument) asks for it to be closed, retry or cancel; a
// silent one just fails, so that nothing is changed.
#include <windows.h>

#include <cwchar>

namespace {

bool programRuns()
{
    const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, RUNNING_MUTEX);
    if (!mutex)
        return false;
    CloseHandle(mutex);
    return true;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    constexpr int silentUiLevel = 2;
    const bool interactive = std::wcstol(commandLine, nullptr, 10) > silentUiLevel;
    while (programRuns()) {
        if (!interactive)
            return 1;
        const int answer = MessageBoxW(
            nullptr, L"„Класация на езиците“ работи. Затворете програмата и опитайте отново.",
            L"Класация на езиците", MB_RETRYCANCEL | MB_ICONWARNING);
        if (answer != IDRETRY)
            return 1;
    }
    return 0;
}
