// SPDX-License-Identifier: MIT
#include "child_control.h"

#include "control_id.h"
#include "wide_text.h"

namespace win32 {

HWND CreateChildControl(HWND parent, const form::Control &control, const wchar_t *windowClass,
                        DWORD style, DWORD exStyle, const DpiScale &scale, HFONT font)
{
    const RECT place = scale.rect(control.geometry);
    const HWND child = CreateWindowExW(
        exStyle, windowClass, nullptr, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(control))), nullptr, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (control.text)
        SetWindowTextW(child, Widen(control.text).c_str());
    return child;
}

bool ReplaceProcedure(HWND control, WNDPROC procedure)
{
    SetWindowLongPtrW(control, GWLP_USERDATA, GetWindowLongPtrW(control, GWLP_WNDPROC));
    return SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)) != 0;
}

void RestoreProcedure(HWND control)
{
    if (IsWindow(control))
        SetWindowLongPtrW(control, GWLP_WNDPROC, GetWindowLongPtrW(control, GWLP_USERDATA));
}

LRESULT CallOwnProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA)),
                           control, message, wParam, lParam);
}

} // namespace win32
