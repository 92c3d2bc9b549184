// panefit-wait's time limit, its argument 3. Stateless and free of Win32.
#pragma once

#include <cstdint>
#include <string>

constexpr std::uint32_t DefaultWaitSeconds = 30;

struct WaitLimit {
    bool valid; // false: not a whole number of seconds, a syntax error
    std::uint32_t seconds;
};

// Blanks trimmed, "" (no argument 3) gives DefaultWaitSeconds. Otherwise
// only decimal digits make a limit, from 0 (one search, no waiting) to
// 4294967295; a sign, a point, a letter or a larger number does not.
WaitLimit ReadWaitLimit(const std::string& argument);
