// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oleacc.h>

namespace win32 {

/// Gives standard controls the accessible names of the form through the
/// Dynamic Annotation service. Where that service is missing, the controls
/// keep the names their class gives them.
class AccessibleNames
{
public:
    /// Uses @p services, or the system's service when it is nullptr.
    explicit AccessibleNames(IAccPropServices *services = nullptr);
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames &) = delete;
    AccessibleNames &operator=(const AccessibleNames &) = delete;

    /// Names @p control; false when the service is missing or refuses.
    bool name(HWND control, const wchar_t *name);
    /// Takes the names off again before the control goes.
    void forget(HWND control);

private:
    IAccPropServices *m_services = nullptr;
};

} // namespace win32
