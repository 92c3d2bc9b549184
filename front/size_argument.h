// Reading panefit's size argument "WxH". Stateless.
#pragma once

#include <cstdint>
#include <string>

// The sizes as typed; -1 and -2 are special only to the resizing step.
struct WantedSize {
    bool hasSeparator; // false: there is no x, a syntax error
    std::int32_t width;
    std::int32_t height;
};

// Splits the argument, blanks trimmed, at its first "x" or "X" and reads each
// side with ParseNumber and ToInt32. A side without a number reads as 0, so a
// lone "x" gives 0 by 0; "640 x 480" (one quoted argument) gives 640 by 480.
WantedSize ReadWantedSize(const std::string& argument);
