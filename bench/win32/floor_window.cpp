// SPDX-License-Identifier: MIT
// The floors of start-up measurements, closed after their first paint when
// LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT is set, like the program:
//   - controls_window: a bare Win32 window with the exercise's eleven
//     standard controls (four labels, three list boxes with their items,
//     three buttons, the statement) in their places, with the window's font
//     and texts, and nothing else: no COM, no accessible names, no owner
//     drawing, no model;
//   - empty_window (EMPTY_FLOOR): the same window without a control, a
//     caption or anything of the form linked in.
#include <windows.h>

#ifndef EMPTY_FLOOR
#include <form/form_description.h>
#include <ranking/ranking_board.h>

#include <string>
#include <vector>
#endif

namespace {

constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr COLORREF background = RGB(192, 192, 255);
constexpr SIZE clientSize{461, 345};
bool quitAfterFirstPaint = false;

#ifndef EMPTY_FLOOR

std::wstring Widen(const char *utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length > 0 ? length - 1 : 0));
    return wide;
}

HFONT CreateFormFont()
{
    LOGFONTW font{};
    font.lfHeight = -MulDiv(form::font.pointSize, 96, 72);
    font.lfWeight = form::font.weight;
    font.lfCharSet = static_cast<BYTE>(form::font.characterSet);
    lstrcpynW(font.lfFaceName, Widen(form::font.family).c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

void CreateControls(HWND window, HFONT font)
{
    for (const form::Control &control : form::Controls()) {
        const wchar_t *windowClass = L"STATIC";
        DWORD controlStyle = SS_CENTER;
        DWORD exStyle = 0;
        switch (control.kind) {
        case form::ControlKind::List:
            windowClass = L"LISTBOX";
            controlStyle = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case form::ControlKind::Command:
            windowClass = L"BUTTON";
            controlStyle = WS_TABSTOP | BS_PUSHBUTTON;
            break;
        case form::ControlKind::Statement:
            windowClass = L"EDIT";
            controlStyle = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case form::ControlKind::Label:
            break;
        }
        const form::Geometry &place = control.geometry;
        const HWND child = CreateWindowExW(
            exStyle, windowClass, nullptr, WS_CHILD | WS_VISIBLE | controlStyle, place.left,
            place.top, place.width, place.height, window, nullptr, nullptr, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (control.text)
            SetWindowTextW(child, Widen(control.text).c_str());
        if (control.listRole == ranking::ListRole::Speakers ||
            control.listRole == ranking::ListRole::Languages) {
            const std::vector<std::string> &items = control.listRole == ranking::ListRole::Speakers
                                                        ? ranking::InitialSpeakers()
                                                        : ranking::InitialLanguages();
            for (const std::string &item : items)
                SendMessageW(child, LB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(Widen(item.c_str()).c_str()));
            SendMessageW(child, LB_SETCURSEL, 0, 0);
        }
    }
}

#endif

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
    windowClass.hbrBackground = CreateSolidBrush(background);
    windowClass.lpszClassName = L"FloorWindow";
    RegisterClassExW(&windowClass);

    RECT frame{0, 0, clientSize.cx, clientSize.cy};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
#ifdef EMPTY_FLOOR
    const wchar_t *caption = L"";
#else
    const std::wstring captionText = Widen(form::Caption());
    const wchar_t *caption = captionText.c_str();
#endif
    const HWND window = CreateWindowExW(
        0, windowClass.lpszClassName, caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
#ifndef EMPTY_FLOOR
    CreateControls(window, CreateFormFont());
#endif
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
