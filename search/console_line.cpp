#include "search/console_line.h"

#include <windows.h>

namespace {

// Standard output as first fetched; 0 until then, and again after GetStdHandle
// gave NULL, so that the next line asks anew. Never closed.
HANDLE cachedOutput = nullptr;

// Receives the count of a write; nothing reads it.
DWORD lastWritten;

bool IsConsole(HANDLE handle) {
    DWORD mode;
    return GetConsoleMode(handle, &mode) != 0;
}

// A console reads the bytes of WriteConsoleA in its own code page (OEM: 437,
// 850, ...), but captions and arguments are ANSI text, so "é" would show as
// another letter. Widened with the ANSI code page, every character shows as
// it is, whatever the console's code page.
void WriteToConsole(HANDLE console, const std::string& text) {
    const int length = static_cast<int>(text.size());
    std::wstring wide(text.size(), L'\0');
    const int widened = MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), length);
    WriteConsoleW(console, wide.data(), static_cast<DWORD>(widened), &lastWritten, nullptr);
}

} // namespace

void WriteConsoleLine(std::string text) {
    if (cachedOutput == nullptr)
        cachedOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    if (cachedOutput == INVALID_HANDLE_VALUE) {
        FreeConsole(); // fails when there is no console to give up, which is fine
        if (AllocConsole())
            cachedOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    }
    if (cachedOutput == INVALID_HANDLE_VALUE)
        return;

    text += "\r\n";
    // Results are ignored on purpose: there is nowhere to report a lost line.
    if (IsConsole(cachedOutput))
        WriteToConsole(cachedOutput, text);
    else
        WriteFile(cachedOutput, text.data(), static_cast<DWORD>(text.size()), &lastWritten, nullptr);
}
