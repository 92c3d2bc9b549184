// The rules of a dialog lookup, apart from the windows themselves: how a query
// is read, which window it matches and how a match is written. Stateless and
// free of Win32, so the rules can be tried on windows made up in memory.
#pragma once

#include "text/number.h"

#include <cstdint>
#include <string>

enum class QueryKind { None, Caption, Handle };

struct DialogQuery {
    QueryKind kind;
    std::string argument; // the query from its fifth byte on
    Number handle;        // handle queries: ParseNumber of the argument
    std::string marker;   // caption queries skip captions that hold it
};

// "cmd.exe - " and the program's name, lower-cased: what a command prompt
// shows in its caption while it runs the program.
std::string OwnConsoleMarker(const std::string& programName);

// Reads "CAP:" + caption part or "HND:" + handle, the prefix in any letter
// case. Anything else, or a query shorter than four bytes, is QueryKind::None.
DialogQuery ReadDialogQuery(const std::string& query, const std::string& programName);

// Caption query: the caption holds the argument in any letter case (an empty
// argument matches every non-empty caption) and does not hold the marker.
// Handle query: the number read equals the handle exactly, no rounding.
bool WindowMatches(const DialogQuery& query, std::uint32_t handle, const std::string& caption);

// "#", the handle in decimal, ":", the caption with blanks trimmed.
std::string ResultLine(std::uint32_t handle, const std::string& caption);
