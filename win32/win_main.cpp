// SPDX-License-Identifier: MIT
#include "main_window.h"
#include "message_loop.h"

#include <windows.h>

#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    // Apartment-threaded COM for the accessible names of the controls.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int exitCode = 0;
    {
        win32::MainWindow window(instance);
        if (GetEnvironmentVariableW(L"LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT", nullptr, 0) > 0)
            window.quitAfterFirstPaint();
        ShowWindow(window.handle(), showCommand);
        UpdateWindow(window.handle());
        exitCode = win32::RunMessageLoop(window.handle());
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return exitCode;
}
