// Runs the real programs from a test: exact command lines, standard output
// through a pipe or a real console, and a time limit on every process.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct ProgramRun {
    std::string output; // every byte the program wrote; from a console, what it shows in the ANSI code page
    std::wstring shown; // from a console, every character it shows
    DWORD exitCode = 0;
    bool timedOut = false; // the process was killed at the time limit
};

// A Unix path ("/work/x") as Wine's drive Z: shows it ("Z:\\work\\x");
// any other path with its slashes turned into backslashes.
std::string WindowsPath(std::string path);

// Full path of a program ("panefit") that sits beside this test executable,
// or in the folder PANEFIT_PROGRAM_DIR names (ending in a slash or
// backslash). A name that holds a backslash is a path already.
std::string ProgramPath(const std::string& name);

// The path of a file beside this test executable, without extension: a name
// for StartProgram that stays there when PANEFIT_PROGRAM_DIR names another
// folder (the test's own helper programs).
std::string BesideThisTest(const std::string& name);

// Starts the program with exactly commandLine (the program-name part
// included; a narrow one is read in the ANSI code page, as CreateProcessA
// reads it), standard output to a pipe, and collects what it writes.
// duringRun, if given, runs on this thread while the program runs.
ProgramRun RunWithPipe(const std::string& name, const std::string& commandLine, DWORD timeoutMs = 20000,
                       const std::function<void()>& duringRun = {});
ProgramRun RunWithPipe(const std::string& name, const std::wstring& commandLine, DWORD timeoutMs = 20000,
                       const std::function<void()>& duringRun = {});

// RunWithPipe with nothing to do while the program runs.
ProgramRun RunThroughPipe(const std::string& name, const std::string& commandLine, DWORD timeoutMs);

// The real console this test process owns, made on first use; the programs
// that RunInConsole starts run in it, as in a command prompt.
HANDLE OwnConsoleOutput();

// Gives that console a title, as a shell does while it runs a command, and
// returns its window once the window shows the title.
HWND TitleOwnConsole(const std::wstring& title);

// The same with standard output on a real console that this test process
// owns; the output is read back from the console's screen buffer, one line a
// row with the blanks that fill the row removed, each line ending in CR LF,
// and the characters shown written in the ANSI code page.
ProgramRun RunInConsole(const std::string& name, const std::string& commandLine, DWORD timeoutMs = 20000);
ProgramRun RunInConsole(const std::string& name, const std::wstring& commandLine, DWORD timeoutMs = 20000);

// Starts the program with this standard output (any value: a file, NUL, a
// pipe, NULL, INVALID_HANDLE_VALUE, a stale handle) and creation flags, NUL
// for stdin and stderr, and returns its process (the caller closes it).
PROCESS_INFORMATION StartProgram(const std::string& name, const std::string& commandLine,
                                 HANDLE output = nullptr, DWORD creationFlags = 0);
PROCESS_INFORMATION StartProgram(const std::string& name, const std::wstring& commandLine,
                                 HANDLE output = nullptr, DWORD creationFlags = 0);

// StartProgram of the program file at this path, in any script.
PROCESS_INFORMATION StartProgramFile(const std::wstring& path, const std::wstring& commandLine,
                                     HANDLE output = nullptr, DWORD creationFlags = 0);

// Text in the ANSI code page as UTF-16, as CreateProcessA reads a command line.
std::wstring Widened(const std::string& text);

// Waits for the process to end; kills it at the time limit.
ProgramRun FinishProgram(const PROCESS_INFORMATION& process, DWORD timeoutMs = 20000);

// Ends a program a test started and left running (a window's program), and
// closes its handles.
void EndProgram(const PROCESS_INFORMATION& process);

// Visible top-level windows of the given process and class, waiting up to
// timeoutMs for the first one to be shown (a dialog is shown once it is set up).
std::vector<HWND> WaitForWindows(DWORD processId, const std::string& className, DWORD timeoutMs = 20000);

// The line both programs write for the one window found:
// "Dialog found: #<handle> "<caption>"".
std::string Found(HWND window, const std::string& caption);

// Wide text in the ANSI code page, "?" for what it lacks.
std::string AnsiText(const std::wstring& text);

// The lines joined, each followed by CR LF: what the programs write.
std::string Lines(const std::vector<std::string>& lines);

// One run of a program, everything it must write and its exit code.
struct RunRow {
    std::string program, commandLine, output;
    DWORD exitCode = 0;
};

// Expects a run that ended by itself, with this exit code and exactly this
// output; what names the run in a failure.
void ExpectRun(const ProgramRun& run, const std::string& output, const std::string& what, DWORD exitCode = 0);

// Runs each row and expects no time-out, its exit code and exactly its output.
void ExpectRuns(const std::vector<RunRow>& rows,
                ProgramRun (*run)(const std::string&, const std::string&, DWORD) = RunThroughPipe);
