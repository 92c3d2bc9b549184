// The command flow both programs share, from the command tail to the point
// where a program's own steps take over. Each program describes itself with a
// ProgramTexts; nothing here keeps state between calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ProgramTexts {
    std::string name;                         // fixed, whatever the file is called; the message box title
    std::vector<std::string> usageLines;      // the console answer to "/?"
    std::vector<std::string> messageBoxLines; // shown when started without arguments
};

// The message box lines joined by a lone CR, with nothing after the last.
std::string MessageBoxText(const std::vector<std::string>& lines);

// Answers the two calls that ask for no work: an empty tail gives up the
// console and shows the message box, a tail of exactly "/?" prints the usage
// lines. True when it answered them and the run is over.
bool AnswerWithoutWork(const std::string& tail, const ProgramTexts& program);

// Writes "Syntax Error." and the program's first two usage lines.
void WriteSyntaxError(const ProgramTexts& program);

// Writes the first count lines (all when count is -1), one WriteConsoleLine each.
void WriteLines(const std::vector<std::string>& lines, int count = -1);

// The one window a search found.
struct FoundDialog {
    std::uint32_t handle;
    std::string caption; // may hold colons
};

// True when the dialog argument starts with "#": it names a handle.
bool NamesHandle(const std::string& dialogArgument);

// "#" and a handle gives "HND:" and the rest; anything else "CAP:" and all of it.
std::string QueryOfDialogArgument(const std::string& dialogArgument);

// The result lines of one search for the dialog the argument names, in
// inventory order; nothing is written.
std::vector<std::string> SearchDialogs(const std::string& dialogArgument);

// The window of a result line "#1312:Caption": the number stops at the
// first colon, the caption follows it.
FoundDialog DialogOfResultLine(const std::string& line);

// Reports a search: with no match it writes "No dialog found.", with several
// the list of their result lines; with exactly one it writes nothing, fills
// found and returns true.
bool ReportSearch(const std::vector<std::string>& results, FoundDialog& found);

// ReportSearch of one SearchDialogs.
bool FindOneDialog(const std::string& dialogArgument, FoundDialog& found);

// Writes "Dialog found: #<handle> "<caption>"".
void WriteFoundLine(const FoundDialog& dialog);
