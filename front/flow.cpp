#include "front/flow.h"

#include "search/console_line.h"
#include "search/dialog_lookup.h"
#include "text/number.h"
#include "text/text.h"

#include <windows.h>

namespace {

const std::string NoDialogLine = "No dialog found.";
const std::string SeveralDialogsLine = "Several dialogs found, please specify which one to take:";

} // namespace

void ShowUsageBox(const ProgramTexts& program) {
    FreeConsole();
    MessageBoxA(nullptr, MessageBoxText(program.messageBoxLines).c_str(), program.name.c_str(),
                MB_OK | MB_ICONINFORMATION);
}

bool StartedOnItsOwnConsole() {
    DWORD processes[2] = {};
    const DWORD output = GetFileType(GetStdHandle(STD_OUTPUT_HANDLE));
    return GetConsoleProcessList(processes, 2) == 1 && output != FILE_TYPE_DISK && output != FILE_TYPE_PIPE;
}

std::string MessageBoxText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (&line != &lines.front())
            text += '\r';
        text += line;
    }
    return text;
}

bool AnswerWithoutWork(const std::string& tail, const ProgramTexts& program) {
    if (tail.empty()) {
        ShowUsageBox(program);
        return true;
    }
    if (tail == "/?") {
        WriteLines(program.usageLines);
        return true;
    }
    return false;
}

void WriteSyntaxError(const ProgramTexts& program) {
    WriteConsoleLine("Syntax Error.");
    WriteLines(program.usageLines, 2);
}

void WriteLines(const std::vector<std::string>& lines, int count) {
    for (std::size_t i = 0; i < lines.size() && (count < 0 || i < static_cast<std::size_t>(count)); ++i)
        WriteConsoleLine(lines[i]);
}

std::string QueryOfDialogArgument(const std::string& dialogArgument) {
    if (NamesHandle(dialogArgument))
        return "HND:" + MidText(dialogArgument, 2, 2147483647);
    return "CAP:" + dialogArgument;
}

std::vector<std::string> SearchDialogs(const std::string& dialogArgument) {
    std::vector<std::string> results;
    FindDialogs(QueryOfDialogArgument(dialogArgument), results); // the count is results.size()
    return results;
}

// A result line read back as data is written again as the same line.
bool ReportSearch(const std::vector<std::string>& results, FoundDialog& found) {
    std::vector<FoundDialog> dialogs;
    for (const std::string& line : results)
        dialogs.push_back(DialogOfResultLine(line));
    ReportFoundDialogs(dialogs);
    if (dialogs.size() != 1)
        return false;
    found = dialogs.front();
    return true;
}

void ReportFoundDialogs(const std::vector<FoundDialog>& dialogs) {
    if (dialogs.empty()) {
        WriteConsoleLine(NoDialogLine);
        return;
    }
    if (dialogs.size() == 1)
        return;
    WriteConsoleLine(SeveralDialogsLine);
    for (const FoundDialog& dialog : dialogs)
        WriteConsoleLine("  " + ResultLine(dialog.handle, dialog.caption));
}

FoundDialog DialogOfResultLine(const std::string& line) {
    return {ToHandle(ParseNumber(MidText(line, 2, 2147483647))),
            MidText(line, FindText(line, ":") + 1, 2147483647)};
}

bool FindOneDialog(const std::string& dialogArgument, FoundDialog& found) {
    return ReportSearch(SearchDialogs(dialogArgument), found);
}

void WriteFoundLine(const FoundDialog& dialog) {
    WriteConsoleLine("Dialog found: #" + FormatNumber(dialog.handle) + " \"" + dialog.caption + "\"");
}
