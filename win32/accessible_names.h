// SPDX-License-Identifier: MIT
#pragma once

#include "com_apartment.h"

#include <windows.h>

#include <oleacc.h>

#include <memory>

namespace win32 {

/// UI Automation's LiveSetting property, as the Dynamic Annotation service
/// takes it; its value 1 is "polite".
extern const GUID liveSettingProperty;
inline constexpr LONG politeLiveSetting = 1;

/// Gives standard controls the accessible names of the form through the
/// Dynamic Annotation service. Where that service is missing, the controls
/// keep the names their class gives them.
class AccessibleNames
{
public:
    /// Uses @p services when given (a stand-in); otherwise connect() reaches
    /// the system's service.
    explicit AccessibleNames(IAccPropServices *services = nullptr);
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames &) = delete;
    AccessibleNames &operator=(const AccessibleNames &) = delete;

    /// Reaches the system's service, in a COM apartment of this thread that
    /// lasts as long as this object, unless there is a service already; false
    /// when it is missing.
    bool connect();
    /// Names @p control; false when the service is missing or refuses.
    bool name(HWND control, const wchar_t *name);
    /// Marks @p control a polite live region; false when the service is
    /// missing or refuses.
    bool markLive(HWND control);
    /// Takes the names and live settings off again before the control goes.
    void forget(HWND control);

private:
    std::unique_ptr<ComApartment> m_apartment;
    IAccPropServices *m_services = nullptr;
};

} // namespace win32
