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
// it is, whatever the console's code page; its controls show as "?".
void WriteToConsole(HANDLE console, const std::string& text) {
    const int length = static_cast<int>(text.size());
    std::wstring wide(text.size(), L'\0');
    wide.resize(
        static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), length)));
    const std::wstring line = ShownOnConsole(wide) + L"\r\n";
    WriteConsoleW(console, line.data(), static_cast<DWORD>(line.size()), &lastWritten, nullptr);
}

// A caption's CR or LF would start a line of its own in a file or pipe,
// one that a script could take for the program's.
void KeepOnOneLine(std::string& text) {
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = '?';
}

bool IsControl(wchar_t c) {
    return (c < 0x20 && c != L'\t') || (c >= 0x7F && c <= 0x9F);
}

} // namespace

std::wstring ShownOnConsole(std::wstring text) {
    for (wchar_t& c : text)
        if (IsControl(c))
            c = L'?';
    return text;
}

void WriteConsoleLine(std::string text) {
    KeepOnOneLine(text);
    if (cachedOutput == nullptr)
        cachedOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    if (cachedOutput == INVALID_HANDLE_VALUE) {
        FreeConsole(); // fails when there is no console to give up, which is fine
        if (AllocConsole())
            cachedOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    }
    if (cachedOutput == INVALID_HANDLE_VALUE)
        return;

    // Results are ignored on purpose: there is nowhere to report a lost line.
    if (IsConsole(cachedOutput)) {
        WriteToConsole(cachedOutput, text);
        return;
    }
    text += "\r\n";
    WriteFile(cachedOutput, text.data(), static_cast<DWORD>(text.size()), &lastWritten, nullptr);
}
