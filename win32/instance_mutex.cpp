// SPDX-License-Identifier: MIT
#include "instance_mutex.h"

namespace win32 {

InstanceMutex::InstanceMutex(const wchar_t *name)
    : m_mutex(CreateMutexW(nullptr, FALSE, name))
{}

InstanceMutex::~InstanceMutex()
{
    if (m_mutex)
        CloseHandle(m_mutex);
}

} // namespace win32
