#include "text/text.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#ifndef _WIN32
// Used where the platform's case mapping is not at hand: only A-Z and a-z map.
char MapAsciiLetter(char c, bool toLower) {
    if (toLower && c >= 'A' && c <= 'Z')
        return static_cast<char>(c - 'A' + 'a');
    if (!toLower && c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    return c;
}
#endif

std::string MapCase(std::string text, bool toLower) {
    if (text.empty())
        return text;
#ifdef _WIN32
    std::wstring wide = WideFromText(text);
    const DWORD length = static_cast<DWORD>(wide.size());
    if (toLower)
        CharLowerBuffW(wide.data(), length);
    else
        CharUpperBuffW(wide.data(), length);
    text = TextFromWide(wide);
#else
    for (char& c : text)
        c = MapAsciiLetter(c, toLower);
#endif
    return text;
}

} // namespace

std::string LowerText(std::string text) {
    return MapCase(std::move(text), true);
}

std::string UpperText(std::string text) {
    return MapCase(std::move(text), false);
}
