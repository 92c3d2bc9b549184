// panefit's size argument "WxH" and what its special values stand for.
// Stateless.
#pragma once

#include <cstdint>
#include <string>

// The sizes as typed; -1 and -2 are special only to ResolveWantedSize.
struct WantedSize {
    bool hasSeparator; // false: there is no x, a syntax error
    std::int32_t width;
    std::int32_t height;
};

struct PixelSize {
    std::int32_t width;
    std::int32_t height;
};

// Splits the argument, blanks trimmed, at its first "x" or "X" and reads each
// side with ParseNumber and ToInt32. A side without a number reads as 0, so a
// lone "x" gives 0 by 0; "640 x 480" (one quoted argument) gives 640 by 480.
WantedSize ReadWantedSize(const std::string& argument);

// The size to set: a side of -1 takes the window's current side, then a side
// of -2 the work area's. Every other value, 0 and negatives included, stays.
PixelSize ResolveWantedSize(const WantedSize& wanted, const PixelSize& current, const PixelSize& workArea);

// "640x480": both sides in decimal, each with its sign when negative.
std::string SizeText(const PixelSize& size);
