// SPDX-License-Identifier: MIT
#include "accessible_names.h"

namespace win32 {

AccessibleNames::AccessibleNames(IAccPropServices *services)
    : m_services(services)
{
    if (m_services) {
        m_services->AddRef();
        return;
    }
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void **>(&m_services))))
        m_services = nullptr;
}

AccessibleNames::~AccessibleNames()
{
    if (m_services)
        m_services->Release();
}

bool AccessibleNames::name(HWND control, const wchar_t *name)
{
    return m_services &&
           SUCCEEDED(m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                                CHILDID_SELF, PROPID_ACC_NAME, name));
}

void AccessibleNames::forget(HWND control)
{
    if (!m_services)
        return;
    MSAAPROPID name = PROPID_ACC_NAME;
    m_services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
}

} // namespace win32
