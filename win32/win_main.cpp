// SPDX-License-Identifier: MIT
#include "instance_mutex.h"
#include "main_window.h"
#include "message_loop.h"
#include "wide_text.h"

#include <form/texts.h>

#include <windows.h>

#include <string>

namespace {

constexpr int failed = 1;

int reportFailure(const std::wstring &text)
{
    MessageBoxW(nullptr, text.c_str(), win32::Widen(form::texts::shortTitle).c_str(),
                MB_OK | MB_ICONERROR);
    return failed;
}

int reportStartFailure(const std::wstring &reason)
{
    return reportFailure(L"Програмата не можа да стартира: " + reason + L".");
}

int run(HINSTANCE instance, int showCommand)
{
    const win32::InstanceMutex running(RUNNING_MUTEX);
    win32::MainWindow window;
    if (!window.create(instance))
        return reportStartFailure(window.startFailure());
    if (GetEnvironmentVariableW(L"LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT", nullptr, 0) > 0)
        window.quitAfterFirstPaint();
    ShowWindow(window.handle(), showCommand);
    UpdateWindow(window.handle());
    window.connectAccessibility();
    const int exitCode = win32::RunMessageLoop(window.handle());
    if (window.failed())
        return reportFailure(L"Програмата спря поради вътрешна грешка.");
    return exitCode;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    try {
        return run(instance, showCommand);
    } catch (...) {
        return reportStartFailure(L"вътрешна грешка");
    }
}
