// The programs on a desktop as users have it: in consoles that a shell titles
// with the running command, beside terminals that show that title as their
// caption, with windows that stop responding and captions that hold control
// characters.
#include "search/window_handle.h"
#include "tests/program_runner.h"
#include "tests/window_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

namespace {

// While the program runs, its console's title shows the command line, and
// the query is part of it; Windows Terminal shows the same title as its
// caption. Neither is ever the dialog the user means.
TEST(RealDesktop, TheOwnConsoleIsNeverTakenForTheDialog) {
    const std::string word = UniqueWord();
    const std::wstring wide(word.begin(), word.end());
    const std::string report = "Report draft " + word;
    const struct {
        std::wstring title;
        std::string program, tail, sizeLine;
    } rows[] = {
        {L"Command Prompt - paneprobe  Report draft " + wide, "paneprobe", report,
         "Size: 320x240"}, // Start menu
        {L"Administrator: Command Prompt - paneprobe Report draft " + wide, "paneprobe", report,
         "Size: 320x240"},
        {L"C:\\WINDOWS\\system32\\cmd.exe - C:\\tools\\paneprobe.exe Report draft " + wide, "paneprobe",
         report, "Size: 320x240"}, // typed with its path: the marker is not in it
        {L"Eingabeaufforderung - paneprobe Report draft " + wide, "paneprobe", report, "Size: 320x240"},
        {L"Administrador: S\u00edmbolo del sistema - paneprobe Report draft " + wide, "paneprobe", report,
         "Size: 320x240"}, // beyond ASCII, where the console's code page differs from the captions'
        {L"Command Prompt - panefit  333x222 \"Report draft " + wide + L"\"", "panefit",
         "333x222 \"" + report + "\"", "Size set to 333x222"},
    };
    for (const auto& row : rows) {
        const std::string commandLine = row.program + " " + row.tail;
        HWND console = TitleOwnConsole(row.title);
        ASSERT_NE(console, nullptr);
        const std::string consoleSize = SizeOf(console);
        HWND terminal = CreateFixtureWindow({AnsiText(row.title)});

        ExpectRun(RunInConsole(row.program, commandLine), "No dialog found.\r\n", commandLine);
        HWND dialog = CreateFixtureWindow({report});
        ExpectRun(RunInConsole(row.program, commandLine), Lines({Found(dialog, report), row.sizeLine}),
                  commandLine);
        EXPECT_EQ(SizeOf(console), consoleSize) << commandLine;
        EXPECT_EQ(SizeOf(terminal), "320x240") << commandLine;
        DestroyFixtureWindow(dialog);
        DestroyFixtureWindow(terminal);
    }
}

// A title that shows no command ("Windows PowerShell") hides only the
// console's own window: another window of that title stays findable, and a
// handle finds the console itself.
TEST(RealDesktop, ATitleWithoutTheCommandHidesOnlyTheConsoleWindow) {
    const std::string word = UniqueWord();
    const std::string title = "Windows PowerShell " + word;
    HWND console = TitleOwnConsole(std::wstring(title.begin(), title.end()));
    HWND other = CreateFixtureWindow({title});
    const std::string byHandle = "paneprobe #" + std::to_string(HandleNumber(console));
    ExpectRun(RunInConsole("paneprobe", "paneprobe PowerShell " + word),
              Lines({Found(other, title), "Size: 320x240"}), "by caption");
    ExpectRun(RunWithPipe("paneprobe", byHandle), Lines({Found(console, title), "Size: " + SizeOf(console)}),
              byHandle);
    DestroyFixtureWindow(other);
}

TEST(RealDesktop, AWindowThatDoesNotRespondIsLeftAlone) {
    const std::string caption = "Frozen " + UniqueWord();
    HWND frozen = CreateFrozenWindow(caption);

    const auto start = std::chrono::steady_clock::now();
    ExpectRun(RunWithPipe("panefit", "panefit 500x400 \"" + caption + "\""),
              Lines({Found(frozen, caption), "Size not set: the dialog is not responding."}), "panefit");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("panefit on a window that does not respond: %.2f s\n", took.count());
    EXPECT_EQ(SizeOf(frozen), "320x240");
    // Reading the size does not wait on the window.
    ExpectRun(RunWithPipe("paneprobe", "paneprobe " + caption),
              Lines({Found(frozen, caption), "Size: 320x240"}), "paneprobe");
    ThawWindow(frozen);
}

// A console shows a caption's control characters as "?", so a window can
// neither rewrite the line before it nor send the terminal a sequence; a
// pipe gets them as "?" too (VT, FF and FS split lines for some readers),
// and every other byte as it is, so that no caption makes a line of its own
// there.
TEST(RealDesktop, CaptionsCannotDriveTheConsole) {
    const std::string word = UniqueWord();
    const std::string caption = "A\r\nSize: 1x1\x1b[2J\x07\n\x7f\x81\x0b\x0c\x1c " + word;
    HWND window = CreateFixtureWindow({caption});
    const std::string commandLine = "paneprobe " + word;
    ExpectRun(RunInConsole("paneprobe", commandLine),
              Lines({Found(window, "A??Size: 1x1?[2J??????? " + word), "Size: 320x240"}), "console");
    ExpectRun(RunWithPipe("paneprobe", commandLine),
              Lines({Found(window, "A??Size: 1x1?[2J???\x81??? " + word), "Size: 320x240"}), "pipe");
    DestroyFixtureWindow(window);
}

} // namespace
