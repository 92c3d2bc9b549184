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
    const DWORD length = static_cast<DWORD>(text.size());
    // Results are ignored on purpose: there is nowhere to report a lost line.
    if (IsConsole(cachedOutput))
        WriteConsoleA(cachedOutput, text.data(), length, &lastWritten, nullptr);
    else
        WriteFile(cachedOutput, text.data(), length, &lastWritten, nullptr);
}
