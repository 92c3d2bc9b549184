// panefit-wait's own rules for its arguments after the size: the dialog, the
// time limit and the options that narrow the windows it takes. Stateless and
// free of Win32.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr std::uint32_t DefaultWaitSeconds = 30;

struct WaitLimit {
    bool valid; // false: not a whole number of seconds, a syntax error
    std::uint32_t seconds;
};

// Blanks trimmed, "" (no limit given) gives DefaultWaitSeconds. Otherwise
// only decimal digits make a limit, from 0 (one search, no waiting) to
// 4294967295; a sign, a point, a letter or a larger number does not.
WaitLimit ReadWaitLimit(const std::string& argument);

// False for a dialog argument (already trimmed) that no window can ever
// match, so that waiting for it would be waiting for nothing: "" (missing,
// or typed as ""), and "#" followed by anything that ParseNumber does not
// read as a handle, a whole number from 1 to 4294967295 ("#", "#abc", "#0").
bool CanNameDialog(const std::string& dialogArgument);

// What the arguments after the size ask for.
struct WaitRequest {
    bool valid;            // false: a syntax error, found before any waiting
    std::string dialog;    // the dialog argument, blanks, TABs and quotes trimmed
    std::uint32_t seconds; // the limit
    bool exact;            // /exact: the whole caption, not a part of it
    std::string className; // /class:NAME; "" when not given
    std::string program;   // /program:NAME; "" when not given
};

// Reads the dialog (the first argument) and every argument after it: one
// that starts with "/" is an option, /exact, /class:NAME or /program:NAME
// (names in any letter case, blanks at the ends of NAME dropped), any other
// the limit. Not valid: an unknown option or one given twice, /class: or
// /program: with no name, a second limit or one that ReadWaitLimit refuses,
// /exact with a handle, and a dialog that CanNameDialog refuses, but for ""
// with /class: or /program: (any caption then passes).
WaitRequest ReadWaitRequest(const std::vector<std::string>& arguments);
