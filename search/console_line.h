// The one way the programs print: a line of text to standard output.
// Owns the cached standard output handle, fetched on first use and never
// closed; it lives as long as the process.
#pragma once

#include <string>

// Writes text (UTF-8) and CR LF to standard output, as one line: a control
// character in the text (codes 0 to 31 but TAB, and 127) is written as "?"
// on every output. A console gets every character as it is (WriteConsoleW),
// its control characters shown as ShownOnConsole shows them; a file, pipe or
// NUL device gets the text in the ANSI code page (AnsiFromText: "?" for a
// character it lacks) through WriteFile. With no standard output at all
// (INVALID_HANDLE_VALUE) the process takes a new console first. Failures are
// silent: a line that cannot be written is lost.
void WriteConsoleLine(std::string text);

// The text with every control character a console would act on (codes 0 to
// 31 but TAB, 127, and the C1 controls 128 to 159) replaced by "?": a caption
// from another program can then neither move the cursor nor start an escape
// sequence. Everything else, TAB included, stays.
std::wstring ShownOnConsole(std::wstring text);
