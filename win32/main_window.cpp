// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "child_control.h"
#include "control_id.h"
#include "wide_text.h"

#include <form/command_dispatch.h>
#include <form/form_description.h>

#include <algorithm>
#include <string_view>

namespace win32 {

namespace {

// Past the ids of the form's controls (ControlId).
constexpr int liveRegionId = 1000;

HFONT createFont(const DpiScale &scale)
{
    LOGFONTW font{};
    font.lfHeight = scale.fontHeight(form::font.pointSize);
    font.lfWeight = form::font.weight;
    font.lfCharSet = static_cast<BYTE>(form::font.characterSet);
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    // Where the family is missing, a serif of the same character set stands in.
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    const std::wstring family = Widen(form::font.family);
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

} // namespace

MainWindow::MainWindow(IAccPropServices *accessibility)
    : m_names(accessibility)
{
    form::Load(m_board);
}

bool MainWindow::create(HINSTANCE instance)
{
    if (!m_palette.choose(m_highContrastOn()))
        return fail(L"не се създадоха четките за цветовете на прозореца");
    if (!registerClass(instance))
        return fail(L"не се регистрира класът на прозореца");
    const SIZE size = m_scale.windowSize(style, exStyle);
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
    m_scale = DpiScale(GetDpiForWindow(m_window));
    m_font = Font(createFont(m_scale));
    if (!m_font.get()) {
        fail(L"не се създаде шрифтът");
        return -1;
    }
    if (!createControls())
        return -1;
    fitClientArea();
    return 0;
}

// Creation order is the tab order: the dialog manager follows the z-order.
// Each list's label goes just before it (labels take no focus), where
// Windows looks for the name of a control that has none of its own.
bool MainWindow::createControls()
{
    for (const form::Control *control : form::TabOrder()) {
        switch (control->kind) {
        case form::ControlKind::Statement:
            m_statement = std::make_unique<StatementBox>(m_window, *control, m_scale, m_font.get());
            break;
        case form::ControlKind::List:
            if (const form::Control *label = form::LabelOf(*control))
                createLabel(*label);
            m_lists.push_back(std::make_unique<ListBoxView>(
                m_window, *control, m_scale, m_font.get(), m_board.ListOf(*control->listRole)));
            break;
        case form::ControlKind::Command:
            m_buttons.push_back(
                std::make_unique<CommandButton>(m_window, *control, m_scale, m_font.get()));
            break;
        case form::ControlKind::Label:
            break;
        }
    }
    for (const form::Control &control : form::Controls()) {
        if (control.kind == form::ControlKind::Label && !controlWindow(control))
            createLabel(control);
    }
    m_liveRegion = std::make_unique<LiveRegion>(m_window, liveRegionId);
    return controlsComplete();
}

bool MainWindow::controlsComplete()
{
    if (!m_liveRegion || !m_liveRegion->handle()) {
        fail(L"не се създаде полето за съобщения към екранния четец");
        return false;
    }
    for (const form::Control &control : form::Controls()) {
        if (!controlWindow(control)) {
            fail((L"не се създаде контролата „" + Widen(control.name) + L"“").c_str());
            return false;
        }
    }
    if (!m_statement || !m_statement->guarded()) {
        fail(L"условието на задачата не се защити от промени");
        return false;
    }
    return true;
}

void MainWindow::createLabel(const form::Control &label)
{
    m_labels.push_back(CreateChildControl(m_window, label, L"STATIC",
                                          SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0, m_scale,
                                          m_font.get()));
}

void MainWindow::connectAccessibility()
{
    m_names.connect();
    nameControls();
    m_names.markLive(m_liveRegion->handle());
}

// Buttons and labels are named by their text; lists and the statement get
// the names the form gives them.
void MainWindow::nameControls()
{
    m_accessibleNamesSet = true;
    for (const form::Control &control : form::Controls()) {
        if (control.kind != form::ControlKind::List && control.kind != form::ControlKind::Statement)
            continue;
        const std::wstring name = Widen(control.accessibleName);
        m_accessibleNamesSet =
            m_names.name(controlWindow(control), name.c_str()) && m_accessibleNamesSet;
    }
}

void MainWindow::scaleTo(UINT dpi)
{
    m_scale = DpiScale(dpi);
    Font font(createFont(m_scale));
    // Without a font of the new size, the controls keep the one they have.
    if (!font.get()) {
        placeControls();
        return;
    }
    for (const form::Control &control : form::Controls())
        SendMessageW(controlWindow(control), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()),
                     FALSE);
    m_font = std::move(font);
    placeControls();
}

void MainWindow::placeControls()
{
    for (const form::Control &control : form::Controls()) {
        const RECT place = m_scale.rect(control.geometry);
        SetWindowPos(controlWindow(control), nullptr, place.left, place.top,
                     place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const auto &list : m_lists)
        list->fitRowsToHeight();
    fitClientArea();
    InvalidateRect(m_window, nullptr, TRUE);
}

// The frame of the window's DPI first; then whatever the frame really takes
// (it may not follow the DPI, as in Wine) is made up for.
void MainWindow::fitClientArea()
{
    const SIZE size = m_scale.windowSize(style, exStyle);
    const auto resize = [this](int width, int height) {
        SetWindowPos(m_window, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    resize(size.cx, size.cy);
    RECT client{};
    GetClientRect(m_window, &client);
    const int missingWidth = m_scale.pixels(form::clientSize.width) - client.right;
    const int missingHeight = m_scale.pixels(form::clientSize.height) - client.bottom;
    if (missingWidth != 0 || missingHeight != 0)
        resize(size.cx + missingWidth, size.cy + missingHeight);
}

LRESULT MainWindow::onCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    // Enter in the dialog manager: the focused button is pressed.
    if (id == IDOK && lParam == 0) {
        const HWND focus = GetFocus();
        for (const auto &button : m_buttons)
            if (button->handle() == focus)
                pressCommand(button->commandIndex());
        return 0;
    }
    const auto source = reinterpret_cast<HWND>(lParam);
    for (const auto &button : m_buttons) {
        // A quick second click comes as a double click: it is a press too.
        if (button->handle() == source && (code == BN_CLICKED || code == BN_DOUBLECLICKED))
            pressCommand(button->commandIndex());
    }
    for (const auto &list : m_lists) {
        if (list->handle() == source && code == LBN_SELCHANGE)
            list->takeShownSelection();
    }
    return 0;
}

// A command acts on what the lists show, and the lists show what it did.
void MainWindow::pressCommand(int index)
{
    for (const auto &list : m_lists)
        list->takeShownSelection();
    const std::string sentence = form::RunCommand(m_board, index);
    for (const auto &list : m_lists)
        list->showList();
    m_liveRegion->announce(Widen(sentence));
}

LRESULT MainWindow::onDrawItem(LPARAM lParam)
{
    const auto &item = *reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
    for (const auto &button : m_buttons) {
        if (button->handle() == item.hwndItem) {
            button->draw(item, m_palette.of(form::ControlAt(form::ControlKind::Command,
                                                            button->commandIndex())));
            return TRUE;
        }
    }
    return FALSE;
}

// A read-only EDIT asks here too; it keeps the look of a text field.
LRESULT MainWindow::onControlColourStatic(WPARAM wParam, LPARAM lParam)
{
    const auto dc = reinterpret_cast<HDC>(wParam);
    const auto control = reinterpret_cast<HWND>(lParam);
    if (const form::Control *label = labelOf(control)) {
        const Paint paint = m_palette.of(*label);
        SetTextColor(dc, paint.text);
        SetBkColor(dc, paint.face);
        return reinterpret_cast<LRESULT>(paint.brush);
    }
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

LRESULT MainWindow::onEraseBackground(WPARAM wParam)
{
    RECT client{};
    GetClientRect(m_window, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, m_palette.window().brush);
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
    scaleTo(HIWORD(wParam));
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

// A multi-line EDIT sends this on Tab, as a dialog's controls do.
LRESULT MainWindow::onNextDialogControl(WPARAM wParam, LPARAM lParam)
{
    const HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                       : GetNextDlgTabItem(m_window, GetFocus(), wParam != 0);
    if (target)
        focusControl(target);
    return 0;
}

// The focus goes to the statement when the window is first activated, and
// comes back to the control that had it when the window was left.
LRESULT MainWindow::onActivate(WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        if (const HWND focus = GetFocus(); focus && IsChild(m_window, focus))
            m_focus = focus;
        return 0;
    }
    focusControl(m_focus ? m_focus : m_statement->handle());
    return 0;
}

LRESULT MainWindow::onColoursChanged()
{
    // Without brushes of its own, the window still has the system's.
    if (!m_palette.choose(m_highContrastOn()))
        m_palette.choose(true);
    RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return 0;
}

void MainWindow::focusControl(HWND control)
{
    m_focus = control;
    SetFocus(control);
}

LRESULT MainWindow::onDestroy()
{
    for (const form::Control &control : form::Controls())
        m_names.forget(controlWindow(control));
    if (m_liveRegion)
        m_names.forget(m_liveRegion->handle());
    // The views go with their controls, while these still exist.
    m_statement.reset();
    m_liveRegion.reset();
    m_lists.clear();
    m_buttons.clear();
    m_labels.clear();
    m_focus = nullptr;
    PostQuitMessage(0);
    return 0;
}

const form::Control *MainWindow::labelOf(HWND control) const
{
    if (std::find(m_labels.begin(), m_labels.end(), control) == m_labels.end())
        return nullptr;
    for (const form::Control &label : form::Controls()) {
        if (label.kind == form::ControlKind::Label && controlWindow(label) == control)
            return &label;
    }
    return nullptr;
}

HWND MainWindow::controlWindow(const form::Control &control) const
{
    return GetDlgItem(m_window, ControlId(control));
}

} // namespace win32
