// The command flow both programs share, from the command tail to the point
// where a program's own steps take over. Each program describes itself with a
// ProgramTexts; nothing here keeps state between calls.
#pragma once

#include "search/dialog_query.h"

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

// Gives up the console and shows the message box lines, for a program
// started without arguments, typically by a double click: the console
// window would vanish before anyone could read it.
void ShowUsageBox(const ProgramTexts& program);

// True when no shell shares this process's console (it was made for the
// process: a double click, the Run box) and standard output is not a file or
// a pipe: a list written there would vanish with the console.
bool StartedOnItsOwnConsole();

// Writes "Syntax Error." and the program's first two usage lines.
void WriteSyntaxError(const ProgramTexts& program);

// Writes the first count lines (all when count is -1), one WriteConsoleLine each.
void WriteLines(const std::vector<std::string>& lines, int count = -1);

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

// Reports windows found as data as ReportSearch reports result lines: none
// or several; it writes nothing for exactly one.
void ReportFoundDialogs(const std::vector<FoundDialog>& dialogs);

// ReportSearch of one SearchDialogs.
bool FindOneDialog(const std::string& dialogArgument, FoundDialog& found);

// Writes "Dialog found: #<handle> "<caption>"".
void WriteFoundLine(const FoundDialog& dialog);
