// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

/// A STATIC child of no size that holds the last thing said. Marked a polite
/// live region (AccessibleNames::markLive), it has a screen reader (Narrator,
/// NVDA) read each new text once.
class LiveRegion
{
public:
    LiveRegion(HWND parent, int id);
    LiveRegion(const LiveRegion &) = delete;
    LiveRegion &operator=(const LiveRegion &) = delete;

    [[nodiscard]] HWND handle() const { return m_static; }

    /// Sets @p text and tells the accessibility clients that it changed.
    void announce(const std::wstring &text) const;
    /// Empties the region without a word to the clients: what it said is
    /// past once the focus moves on.
    void clear() const;

private:
    HWND m_static;
};

} // namespace win32
