// Text operations shared by both programs. A text is a byte string in the
// system's ANSI code page; positions are 1-based and count bytes. Every
// operation takes its texts by value and returns a new one. The only state is
// the command tail, captured on first use and kept for the life of the process.
#pragma once

#include <cstddef>
#include <string>

// Characters that TrimAny strips from a dialog argument: blank, TAB, double quote.
inline const std::string ArgumentTrimSet = " \t\"";

// The command line less the program name and the blanks after it. A quoted
// name ends at its closing quote (none: the tail is ""); an unquoted one at
// the first byte of code 32 or below, and only a blank there is skipped, so a
// TAB right after the name starts the tail. Nothing else is removed or unquoted.
std::string TailOfCommandLine(const std::string& commandLine);

// TailOfCommandLine of this process's GetCommandLineA, read once.
const std::string& CommandTail();

// What an empty pair of double quotes is: no argument at all (panefit and
// paneprobe), or an empty argument in its place, as a batch file's "%NAME%"
// of an unset NAME means it (panefit-wait).
enum class EmptyQuotes { Skipped, Counted };

// The n-th (from 1) argument of a tail. Only blanks separate arguments; a
// double-quoted argument loses its quotes and may hold blanks; "" is no
// argument at all unless counted. Gives "" when the tail has fewer than n
// arguments or n < 1.
std::string ArgumentOfTail(const std::string& tail, int n, EmptyQuotes empty = EmptyQuotes::Skipped);

// ArgumentOfTail of CommandTail().
std::string CommandArgument(int n, EmptyQuotes empty = EmptyQuotes::Skipped);

// The text without leading and trailing blanks (byte 32 only; TABs stay).
std::string TrimBlanks(std::string text);

// The text without leading and trailing bytes that occur in set.
std::string TrimAny(std::string text, const std::string& set);

// Case-mapped copies through CharLowerBuffA / CharUpperBuffA, so accented
// letters of the ANSI code page map too; off Windows only A-Z and a-z map.
// The length never changes.
std::string LowerText(std::string text);
std::string UpperText(std::string text);

// 1-based position of the first exact occurrence of pattern in text, or 0.
// An empty text gives 0; an empty pattern in a non-empty text gives 1.
int FindText(const std::string& text, const std::string& pattern);

// FindText(LowerText(text), LowerText(pattern)) > 0.
bool ContainsIgnoringCase(const std::string& text, const std::string& pattern);

// Up to count bytes from the 1-based position start, clipped at the end of the
// text. A start below 1 or past the end, or a count below 1, gives "".
std::string MidText(const std::string& text, int start, int count);

// The buffer's bytes up to, not including, the first NUL (all of them if none).
std::string TextFromBuffer(const char* buffer, std::size_t size);

template <std::size_t N> std::string TextFromBuffer(const char (&buffer)[N]) {
    return TextFromBuffer(buffer, N);
}

// The file name of a backslash-separated path, without its last extension:
// "C:\\tools.v2\\paneprobe.exe" gives "paneprobe"; a name without "." stays whole.
std::string BaseNameOfPath(const std::string& path);

// BaseNameOfPath of this program's own file (GetModuleFileNameA, cut to 260 bytes).
std::string ProgramBaseName();
