// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "wide_text.h"

#include <form/command_dispatch.h>
#include <form/form_description.h>

namespace win32 {

MainWindow::MainWindow(IAccPropServices *accessibility)
    : m_names(accessibility)
{
    form::Load(m_board);
}

bool MainWindow::create(HINSTANCE instance)
{
    if (!m_painter.chooseColours())
        return fail(L"не се създадоха четките за цветовете на прозореца");
    if (!registerClass(instance))
        return fail(L"не се регистрира класът на прозореца");
    const SIZE size = m_layout.windowSize();
    const HWND window =
        CreateWindowExW(exStyle, className, Widen(form::Caption()).c_str(), style, CW_USEDEFAULT,
                        CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance, this);
    if (window)
        return true;
    if (m_startFailure.empty())
        return fail(m_failed ? L"вътрешна грешка при създаването на прозореца"
                             : L"не се създаде прозорецът");
    return false;
}

// Keeps the first reason: later steps fail because of it.
bool MainWindow::fail(const wchar_t *what)
{
    const DWORD error = GetLastError();
    if (!m_startFailure.empty())
        return false;
    m_startFailure = what;
    if (error != ERROR_SUCCESS)
        m_startFailure += L" (код на грешката " + std::to_wstring(error) + L")";
    return false;
}

bool MainWindow::registerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, className, &windowClass))
        return true;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0;
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return onCreate();
    case WM_COMMAND:
        return onCommand(wParam, lParam);
    case WM_DRAWITEM:
        return onDrawItem(lParam);
    case WM_CTLCOLORSTATIC:
        return onControlColourStatic(wParam, lParam);
    case WM_ERASEBKGND:
        return onEraseBackground(wParam);
    case WM_PAINT:
        return onPaint();
    case WM_DPICHANGED:
        return onDpiChanged(wParam, lParam);
    case WM_NEXTDLGCTL:
        return onNextDialogControl(wParam, lParam);
    case WM_ACTIVATE:
        return onActivate(wParam);
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        return onColoursChanged();
    case WM_DESTROY:
        return onDestroy();
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

LRESULT MainWindow::onCreate()
{
    if (!m_layout.start(GetDpiForWindow(m_window))) {
        fail(L"не се създаде шрифтът");
        return -1;
    }
    const auto listOf = [this](ranking::ListRole role) -> ranking::ItemList & {
        return m_board.ListOf(role);
    };
    if (!m_controls.create(m_window, m_layout.scale(), m_layout.font(), listOf)) {
        fail(m_controls.failure().c_str());
        return -1;
    }
    m_layout.fitClientArea(m_window);
    return 0;
}

void MainWindow::connectAccessibility()
{
    m_names.connect();
    m_accessibleNamesSet = m_controls.giveAccessibleNames(m_names);
}

LRESULT MainWindow::onCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    // Enter in the dialog manager: the focused button is pressed.
    if (id == IDOK && lParam == 0) {
        if (const auto command = m_controls.commandOf(GetFocus()))
            pressCommand(*command);
        return 0;
    }
    const auto source = reinterpret_cast<HWND>(lParam);
    // What was said of the last press is past once the focus moves on.
    if (m_controls.reportsFocusTaken(source, code)) {
        m_controls.liveRegion()->clear();
        return 0;
    }
    // A quick second click comes as a double click: it is a press too.
    if (const auto command = m_controls.commandOf(source);
        command && (code == BN_CLICKED || code == BN_DOUBLECLICKED))
        pressCommand(*command);
    if (ListBoxView *list = m_controls.listOf(source); list && code == LBN_SELCHANGE)
        list->takeShownSelection();
    return 0;
}

// A command acts on what the lists show; the lists show what it did, with
// what it changed in view as the form decides.
void MainWindow::pressCommand(int index)
{
    for (const auto &list : m_controls.lists())
        list->takeShownSelection();
    const form::PressOutcome outcome = form::Press(m_board, index);
    for (const auto &list : m_controls.lists())
        list->showList();
    for (const form::ListInView &view : outcome.inView) {
        if (ListBoxView *list = m_controls.listOf(view.role))
            list->bringIntoView(view);
    }
    m_controls.liveRegion()->announce(Widen(outcome.sentence));
}

LRESULT MainWindow::onDrawItem(LPARAM lParam)
{
    const auto &item = *reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
    return m_painter.drawItem(item, m_controls) ? TRUE : FALSE;
}

LRESULT MainWindow::onControlColourStatic(WPARAM wParam, LPARAM lParam)
{
    return reinterpret_cast<LRESULT>(m_painter.staticColours(
        reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), m_controls));
}

LRESULT MainWindow::onEraseBackground(WPARAM wParam)
{
    m_painter.eraseBackground(m_window, reinterpret_cast<HDC>(wParam));
    return TRUE;
}

LRESULT MainWindow::onPaint()
{
    PAINTSTRUCT paint{};
    BeginPaint(m_window, &paint);
    EndPaint(m_window, &paint);
    if (m_quitAfterFirstPaint && !m_painted)
        PostMessageW(m_window, WM_CLOSE, 0, 0);
    m_painted = true;
    return 0;
}

LRESULT MainWindow::onDpiChanged(WPARAM wParam, LPARAM lParam)
{
    const auto &suggested = *reinterpret_cast<const RECT *>(lParam);
    m_layout.scaleTo(HIWORD(wParam), m_window, m_controls);
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT MainWindow::onNextDialogControl(WPARAM wParam, LPARAM lParam)
{
    m_focus.nextControl(m_window, wParam, lParam);
    return 0;
}

LRESULT MainWindow::onActivate(WPARAM wParam)
{
    m_focus.activate(m_window, wParam, m_controls.statement()->handle());
    return 0;
}

LRESULT MainWindow::onColoursChanged()
{
    m_painter.coloursChanged(m_window);
    return 0;
}

LRESULT MainWindow::onDestroy()
{
    m_controls.forgetAccessibleNames(m_names);
    // The views go with their controls, while these still exist.
    m_controls.release();
    m_focus.forget();
    PostQuitMessage(0);
    return 0;
}

} // namespace win32
