// panelist's rules: what its command line asks for, and how a window is
// written, as a line or as CSV. Stateless and free of Win32.
#pragma once

#include "front/wanted_size.h"
#include "search/window_facts.h"

#include <cstdint>
#include <string>

struct ListRequest {
    bool valid;              // false: a syntax error
    bool all;                // /all: hidden and captionless windows too
    bool csv;                // /csv
    std::string captionPart; // "" lists every caption
};

// Reads the command tail: the unquoted words at its start that begin with
// "/" are options, /all and /csv in any letter case, each at most once (any
// other such word is a syntax error); the rest of the tail, blanks, TABs and
// double quotes at its ends dropped, is the caption part, as paneprobe reads
// its dialog. A caption part that starts with "/" is given in quotes.
ListRequest ReadListRequest(const std::string& tail);

// One window as panelist writes it.
struct ListedWindow {
    std::uint32_t handle;
    PixelSize size;
    WindowState state;
    std::string program;   // the file name of its program; "" when it cannot be read
    std::string className; // "" when it cannot be read
    std::string caption;   // blanks at its ends trimmed
};

// "shown", "minimised", "maximised", "hidden" or "cloaked".
std::string StateName(WindowState state);

// "#1312 640x480 shown notepad.exe Notepad "Untitled - Notepad"": a blank
// between the fields, "?" for a program or class that could not be read,
// the caption last, in double quotes.
std::string ListLine(const ListedWindow& window);

// The header of panelist's CSV.
extern const std::string CsvHeader;

// The window as a CSV record of RFC 4180, in the header's order ("#1312,640,
// 480,shown,notepad.exe,Notepad,Untitled - Notepad"): a field that holds a
// comma, a double quote, a line break or blanks at its ends is quoted, its
// double quotes doubled; an unread program or class is empty.
std::string CsvLine(const ListedWindow& window);
