// SPDX-License-Identifier: MIT
#include "accessible_names.h"

#include <iterator>

namespace win32 {

const GUID liveSettingProperty{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};

AccessibleNames::AccessibleNames(IAccPropServices *services)
    : m_services(services)
{
    if (m_services)
        m_services->AddRef();
}

AccessibleNames::~AccessibleNames()
{
    if (m_services)
        m_services->Release();
}

bool AccessibleNames::connect()
{
    if (m_services)
        return true;
    m_apartment = std::make_unique<ComApartment>();
    if (FAILED(m_apartment->createInstance(CLSID_AccPropServices, IID_IAccPropServices,
                                           reinterpret_cast<void **>(&m_services))))
        m_services = nullptr;
    return m_services != nullptr;
}

bool AccessibleNames::name(HWND control, const wchar_t *name)
{
    return m_services &&
           SUCCEEDED(m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                                CHILDID_SELF, PROPID_ACC_NAME, name));
}

bool AccessibleNames::markLive(HWND control)
{
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = politeLiveSetting;
    return m_services &&
           SUCCEEDED(m_services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT),
                                             CHILDID_SELF, liveSettingProperty, polite));
}

void AccessibleNames::forget(HWND control)
{
    if (!m_services)
        return;
    MSAAPROPID properties[] = {PROPID_ACC_NAME, liveSettingProperty};
    m_services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties,
                               static_cast<int>(std::size(properties)));
}

} // namespace win32
