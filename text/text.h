// Text operations shared by the programs. A text is UTF-8, made from the
// UTF-16 that Windows' W calls give (the command line, captions, class and
// program names) and turned back into UTF-16 or the ANSI code page only where
// it leaves the program; positions are 1-based and count bytes, and every
// character that the rules below look for (blank, TAB, quote, digits, ":",
// "#", "/") is one byte. Every operation takes its texts by value and returns
// a new one. The only state is the command tail, captured on first use and
// kept for the life of the process.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Characters that TrimAny strips from a dialog argument: blank, TAB, double quote.
inline const std::string ArgumentTrimSet = " \t\"";

// The command line less the program name and the blanks after it. A quoted
// name ends at its closing quote (none: the tail is ""); an unquoted one at
// the first byte of code 32 or below, and only a blank there is skipped, so a
// TAB right after the name starts the tail. Nothing else is removed or unquoted.
std::string TailOfCommandLine(const std::string& commandLine);

// TailOfCommandLine of this process's GetCommandLineW, read once.
const std::string& CommandTail();

// What an empty pair of double quotes is: no argument at all (panefit and
// paneprobe), or an empty argument in its place, as a batch file's "%NAME%"
// of an unset NAME means it (panefit-wait).
enum class EmptyQuotes { Skipped, Counted };

// Every argument of a tail, in order. Only blanks separate arguments; a
// double-quoted argument loses its quotes and may hold blanks; "" is no
// argument at all unless counted.
std::vector<std::string> ArgumentsOfTail(const std::string& tail, EmptyQuotes empty = EmptyQuotes::Skipped);

// The n-th (from 1) of ArgumentsOfTail; "" when the tail has fewer than n
// arguments or n < 1.
std::string ArgumentOfTail(const std::string& tail, int n, EmptyQuotes empty = EmptyQuotes::Skipped);

// ArgumentOfTail of CommandTail().
std::string CommandArgument(int n);

// The text without leading and trailing blanks (byte 32 only; TABs stay).
std::string TrimBlanks(std::string text);

// The text without leading and trailing bytes that occur in set.
std::string TrimAny(std::string text, const std::string& set);

// Case-mapped copies through CharLowerBuffW / CharUpperBuffW, so the letters
// of every script map (Cyrillic, Greek, accented Latin); off Windows only A-Z
// and a-z map. The length in UTF-16 units never changes.
std::string LowerText(std::string text);
std::string UpperText(std::string text);

// 1-based position of the first exact occurrence of pattern in text, or 0.
// An empty text gives 0; an empty pattern in a non-empty text gives 1.
int FindText(const std::string& text, const std::string& pattern);

// FindText(LowerText(text), LowerText(pattern)) > 0: in UTF-8 a byte match
// is a match of whole characters, so "?" matches only "?".
bool ContainsIgnoringCase(const std::string& text, const std::string& pattern);

// LowerText(a) == LowerText(b): the same text in any letter case.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

// Up to count bytes from the 1-based position start, clipped at the end of the
// text. A start below 1 or past the end, or a count below 1, gives "".
std::string MidText(const std::string& text, int start, int count);

// The text's first count characters as Windows counts them, in UTF-16 units
// (a character beyond U+FFFF counts two), never a part of one: how a caption
// is cut that a 260-unit buffer read.
std::string FirstUnits(const std::string& text, std::size_t count);

// The file name of a backslash-separated path, without its last extension:
// "C:\\tools.v2\\paneprobe.exe" gives "paneprobe"; a name without "." stays whole.
std::string BaseNameOfPath(const std::string& path);

// BaseNameOfPath of this program's own file (GetModuleFileNameW, cut to 260 units).
std::string ProgramBaseName();

// The file name of a backslash-separated path, extension and all:
// "C:\\Setup\\setup.exe" gives "setup.exe".
std::string FileNameOfPath(const std::string& path);

// UTF-16, as Win32's W calls give it, as a text, and a text as UTF-16. A
// lone surrogate becomes U+FFFD. Windows only, as are the two below.
std::string TextFromWide(const std::wstring& wide);
std::wstring WideFromText(const std::string& text);

// The units of a buffer that a W call filled, up to, not including, the
// first NUL (all of them if none), as a text; a high surrogate cut off from
// its pair at the end of the buffer is dropped.
std::string TextFromBuffer(const wchar_t* buffer, std::size_t size);

template <std::size_t N> std::string TextFromBuffer(const wchar_t (&buffer)[N]) {
    return TextFromBuffer(buffer, N);
}

// The text in the ANSI code page, for a file or a pipe: every character the
// code page holds as its bytes, "?" for every one it lacks (no look-alike
// letter in its place).
std::string AnsiFromText(const std::string& text);
