#include "front/flow.h"

#include "search/console_line.h"

#include <windows.h>

namespace {

// Shown when started without arguments, typically by a double click: the
// console window would vanish before anyone could read it.
void ShowUsageBox(const ProgramTexts& program) {
    FreeConsole();
    MessageBoxA(nullptr, MessageBoxText(program.messageBoxLines).c_str(), program.name.c_str(),
                MB_OK | MB_ICONINFORMATION);
}

} // namespace

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

void WriteLines(const std::vector<std::string>& lines, int count) {
    for (std::size_t i = 0; i < lines.size() && (count < 0 || i < static_cast<std::size_t>(count)); ++i)
        WriteConsoleLine(lines[i]);
}
