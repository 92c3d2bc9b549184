// The rules of a dialog lookup, apart from the windows themselves: how a query
// is read, which window it matches and how a match is written. Stateless and
// free of Win32, so the rules can be tried on windows made up in memory.
#pragma once

#include "text/number.h"

#include <cstdint>
#include <string>

enum class QueryKind { None, Caption, Handle };

// True when a dialog argument starts with "#": it names a handle.
bool NamesHandle(const std::string& dialogArgument);

// How a caption query tests a caption against its argument: it holds it in
// any letter case (the queries of panefit and paneprobe), it is it in any
// letter case once blanks at its ends are dropped (panefit-wait's /exact),
// or any caption passes, an empty one too (panefit-wait's empty dialog
// with other options, panelist's /all).
enum class CaptionTest { Holds, Equals, Any };

// A window a search found, handed on as data: its handle, and its caption as
// its result line holds it (blanks trimmed; it may hold colons).
struct FoundDialog {
    std::uint32_t handle;
    std::string caption;
};

// The console the program runs in, as the desktop shows it: its window (0
// when the process has none) and its current title.
struct OwnConsole {
    std::uint32_t window;
    std::string title;
};

struct DialogQuery {
    QueryKind kind;
    CaptionTest test;        // caption queries: Holds as read
    std::string argument;    // the query from its fifth byte on
    Number handle;           // handle queries: ParseNumber of the argument
    std::string marker;      // caption queries skip captions that hold it
    std::uint32_t ownWindow; // caption queries skip this window; 0: none
    std::string ownTitle;    // caption queries skip captions that hold it; "": none
};

// "cmd.exe - " and the program's name, lower-cased: what a command prompt
// shows in its caption while it runs the program.
std::string OwnConsoleMarker(const std::string& programName);

// The console title cut to 259 UTF-16 units, as a caption is, when it shows the
// running command: when it holds the program's name in any letter case.
// "" for any other title ("Windows PowerShell"), and when the name is "".
std::string TitleShowingCommand(const std::string& title, const std::string& programName);

// Reads "CAP:" + caption part or "HND:" + handle, the prefix in any letter
// case. Anything else, or a query shorter than four bytes, is QueryKind::None.
DialogQuery ReadDialogQuery(const std::string& query, const std::string& programName,
                            const OwnConsole& console);

// Caption query: the caption passes the query's test (Holds: an empty
// argument matches every non-empty caption), and the window shows nothing of
// the program's own console: it is not that console's window, and its caption
// holds neither the marker nor a title that shows the running command.
// Handle query: the number read equals the handle exactly, no rounding.
bool WindowMatches(const DialogQuery& query, std::uint32_t handle, const std::string& caption);

// False when no caption can make WindowMatches true for this window, so a
// lookup need not read it: a handle query matches one handle only, and a
// caption query never matches the program's own console window.
bool CaptionCanMatch(const DialogQuery& query, std::uint32_t handle);

// "#", the handle in decimal, ":", the caption with blanks trimmed.
std::string ResultLine(std::uint32_t handle, const std::string& caption);
