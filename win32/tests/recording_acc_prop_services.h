// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Stands in for the system's Dynamic Annotation service, whose settings
// cannot be read back, and keeps what the window asks it to set on each
// control.
class RecordingAccPropServices final : public IAccPropServices
{
public:
    using Key = std::pair<HWND, GUID>;
    struct KeyOrder
    {
        bool operator()(const Key &left, const Key &right) const
        {
            if (left.first != right.first)
                return left.first < right.first;
            return std::memcmp(&left.second, &right.second, sizeof(GUID)) < 0;
        }
    };
    std::map<Key, std::wstring, KeyOrder> strings;
    std::map<Key, LONG, KeyOrder> numbers;
    std::vector<HWND> cleared;

    [[nodiscard]] std::wstring string(HWND window, const GUID &id) const
    {
        const auto found = strings.find({window, id});
        return found == strings.end() ? std::wstring() : found->second;
    }
    [[nodiscard]] LONG number(HWND window, const GUID &id) const
    {
        const auto found = numbers.find({window, id});
        return found == numbers.end() ? -1 : found->second;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        if (id != IID_IUnknown && id != IID_IAccPropServices) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND window, DWORD object, DWORD child, MSAAPROPID id,
                                             LPCWSTR text) override
    {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF)
            return E_INVALIDARG;
        strings[{window, id}] = text;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetHwndProp(HWND window, DWORD object, DWORD child, MSAAPROPID id,
                                          VARIANT value) override
    {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF ||
            value.vt != VT_I4)
            return E_INVALIDARG;
        numbers[{window, id}] = value.lVal;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND window, DWORD, DWORD, const MSAAPROPID *,
                                             int) override
    {
        cleared.push_back(window);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE *, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE *, DWORD, const MSAAPROPID *, int,
                                            IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearProps(const BYTE *, DWORD, const MSAAPROPID *, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID *, int,
                                                IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE **,
                                                        DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE *, DWORD, HWND *, DWORD *,
                                                          DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID *, int,
                                                 IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID *, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE **, DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE *, DWORD, HMENU *,
                                                           DWORD *) override
    {
        return E_NOTIMPL;
    }
};
