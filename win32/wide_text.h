// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace win32 {

/// UTF-8 to the UTF-16 that the W functions take.
[[nodiscard]] std::wstring Widen(std::string_view utf8);

} // namespace win32
