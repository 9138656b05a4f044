// SPDX-License-Identifier: MIT
#include "live_region.h"

namespace win32 {

// Visible, so that it stays in the accessibility tree, but of no size.
LiveRegion::LiveRegion(HWND parent, int id)
    : m_static(CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0,
                               0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               nullptr, nullptr))
{}

void LiveRegion::announce(const std::wstring &text) const
{
    SetWindowTextW(m_static, text.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, m_static, OBJID_CLIENT, CHILDID_SELF);
}

void LiveRegion::clear() const
{
    SetWindowTextW(m_static, L"");
}

} // namespace win32
