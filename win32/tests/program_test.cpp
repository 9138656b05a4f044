// SPDX-License-Identifier: MIT
// The window procedure after an exception, and the program started and closed.
#include "main_window_fixture.h"

namespace {

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
