// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

/// Owns one GDI object (a font, a brush) and deletes it when it goes.
template <typename Handle> class GdiObject
{
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle)
        : m_handle(handle)
    {}
    GdiObject(GdiObject &&other) noexcept
        : m_handle(std::exchange(other.m_handle, nullptr))
    {}
    GdiObject &operator=(GdiObject &&other) noexcept
    {
        GdiObject(std::move(other)).swap(*this);
        return *this;
    }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;
    ~GdiObject()
    {
        if (m_handle)
            DeleteObject(m_handle);
    }

    [[nodiscard]] Handle get() const { return m_handle; }
    void swap(GdiObject &other) noexcept { std::swap(m_handle, other.m_handle); }

private:
    Handle m_handle = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

/// Selects an object into a device context for one scope.
class SelectedObject
{
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : m_dc(dc)
        , m_previous(SelectObject(dc, object))
    {}
    SelectedObject(const SelectedObject &) = delete;
    SelectedObject &operator=(const SelectedObject &) = delete;
    ~SelectedObject() { SelectObject(m_dc, m_previous); }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

/// A window's device context, released when it goes.
class WindowDC
{
public:
    /// Whether the DC covers the whole window, frame included, or its client area.
    enum Area { ClientArea, WholeWindow };

    explicit WindowDC(HWND window, Area area = ClientArea)
        : m_window(window)
        , m_dc(area == WholeWindow ? GetWindowDC(window) : GetDC(window))
    {}
    WindowDC(const WindowDC &) = delete;
    WindowDC &operator=(const WindowDC &) = delete;
    ~WindowDC() { ReleaseDC(m_window, m_dc); }

    [[nodiscard]] HDC get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

} // namespace win32
