// SPDX-License-Identifier: MIT
// The floor of start-up measurements: an empty Win32 window with the exercise
// window's style, client size and background, closed after its first paint
// when LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT is set, like the program.
#include <windows.h>

namespace {

constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
bool quitAfterFirstPaint = false;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        if (quitAfterFirstPaint)
            PostMessageW(window, WM_CLOSE, 0, 0);
        quitAfterFirstPaint = false;
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    quitAfterFirstPaint =
        GetEnvironmentVariableW(L"LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT", nullptr, 0) > 0;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(RGB(192, 192, 255));
    windowClass.lpszClassName = L"EmptyWindow";
    RegisterClassExW(&windowClass);

    RECT frame{0, 0, 461, 345};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const HWND window = CreateWindowExW(
        0, windowClass.lpszClassName, L"", style, CW_USEDEFAULT, CW_USEDEFAULT,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
