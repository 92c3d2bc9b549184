#include "search/console_line.h"

#include "text/text.h"

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

// Written as UTF-16, every character shows as it is, whatever the console's
// own code page (OEM: 437, 850, ...); its controls show as "?".
void WriteToConsole(HANDLE console, const std::string& text) {
    const std::wstring line = ShownOnConsole(WideFromText(text)) + L"\r\n";
    WriteConsoleW(console, line.data(), static_cast<DWORD>(line.size()), &lastWritten, nullptr);
}

// A caption's CR or LF would start a line of its own in a file or pipe, one
// that a script could take for the program's; so would VT, FF and FS to RS
// for readers that split lines there (Python's splitlines, some editors and
// log viewers). Every other control but TAB goes too, and DEL.
void ReplaceControls(std::string& text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F)
            c = '?';
    }
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
    ReplaceControls(text);
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
    // Files and pipes get the ANSI code page, as scripts and programs that
    // read them expect.
    const std::string bytes = AnsiFromText(text) + "\r\n";
    WriteFile(cachedOutput, bytes.data(), static_cast<DWORD>(bytes.size()), &lastWritten, nullptr);
}
