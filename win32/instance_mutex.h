// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace win32 {

/// A named mutex that stays open while the program runs, so that an installer
/// or uninstaller can tell that the program is running and ask for it to be
/// closed first. Instances side by side share it; none waits for another.
class InstanceMutex
{
public:
    explicit InstanceMutex(const wchar_t *name);
    ~InstanceMutex();
    InstanceMutex(const InstanceMutex &) = delete;
    InstanceMutex &operator=(const InstanceMutex &) = delete;

private:
    HANDLE m_mutex;
};

} // namespace win32
