// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <objbase.h>

namespace win32 {

/// A single-threaded COM apartment on the calling thread, with the COM
/// library loaded from the system folder at run time rather than imported:
/// the program can show its window before that library and the ones it
/// draws in are loaded. Leaves the apartment and unloads the library again
/// when it goes.
class ComApartment
{
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;

    /// Creates an object of an in-process server, as CoCreateInstance does;
    /// an error when the library or the apartment is missing.
    HRESULT createInstance(REFCLSID object, REFIID interfaceId, void **instance) const;

private:
    HMODULE m_library;
    decltype(&CoCreateInstance) m_createInstance = nullptr;
    decltype(&CoUninitialize) m_uninitialize = nullptr;
    bool m_entered = false;
};

} // namespace win32
