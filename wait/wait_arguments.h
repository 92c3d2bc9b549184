// panefit-wait's own rules for its arguments: the time limit (argument 3),
// and which dialog arguments can name a window at all. Stateless and free of
// Win32.
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

// False for a dialog argument (already trimmed) that no window can ever
// match, so that waiting for it would be waiting for nothing: "" (missing,
// or typed as ""), and "#" followed by anything that ParseNumber does not
// read as a handle, a whole number from 1 to 4294967295 ("#", "#abc", "#0").
bool CanNameDialog(const std::string& dialogArgument);
