// SPDX-License-Identifier: MIT
#include "com_apartment.h"

namespace win32 {

namespace {

// A function of any type fits through void (*)() without a warning.
template <typename Function> Function libraryFunction(HMODULE library, const char *name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

} // namespace

ComApartment::ComApartment()
    : m_library(LoadLibraryExW(L"ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
{
    if (!m_library)
        return;
    const auto initialize = libraryFunction<decltype(&CoInitializeEx)>(m_library, "CoInitializeEx");
    m_createInstance = libraryFunction<decltype(&CoCreateInstance)>(m_library, "CoCreateInstance");
    m_uninitialize = libraryFunction<decltype(&CoUninitialize)>(m_library, "CoUninitialize");
    // S_FALSE: the thread was in the apartment already, and is left once more.
    m_entered = initialize && m_createInstance && m_uninitialize &&
                SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
}

ComApartment::~ComApartment()
{
    if (m_entered)
        m_uninitialize();
    if (m_library)
        FreeLibrary(m_library);
}

HRESULT ComApartment::createInstance(REFCLSID object, REFIID interfaceId, void **instance) const
{
    *instance = nullptr;
    if (!m_entered)
        return CO_E_NOTINITIALIZED;
    return m_createInstance(object, nullptr, CLSCTX_INPROC_SERVER, interfaceId, instance);
}

} // namespace win32
