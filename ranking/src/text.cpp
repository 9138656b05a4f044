// SPDX-License-Identifier: MIT
#include <ranking/text.h>

#include <algorithm>

namespace ranking {

namespace {

bool startsCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u;
}

} // namespace

int CharLength(std::string_view text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), startsCharacter));
}

std::string LeftChars(std::string_view text, int count)
{
    if (count <= 0)
        return {};
    std::size_t end = 0;
    for (int seen = 0; end < text.size(); ++end) {
        if (startsCharacter(text[end]) && seen++ == count)
            break;
    }
    return std::string(text.substr(0, end));
}

std::string RightChars(std::string_view text, int count)
{
    std::size_t begin = text.size();
    for (int seen = 0; begin > 0 && seen < count;) {
        --begin;
        if (startsCharacter(text[begin]))
            ++seen;
    }
    return std::string(text.substr(begin));
}

} // namespace ranking
