#include "tests/program_runner.h"

#include "search/window_handle.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

std::wstring Widened(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
        CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

PROCESS_INFORMATION StartProgramFile(const std::wstring& path, const std::wstring& commandLine, HANDLE output,
                                     DWORD creationFlags) {
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inheritable, OPEN_EXISTING, 0, nullptr);
    // The program inherits its own standard handles and nothing else, so that
    // runs started at the same time never hold each other's pipes open and
    // need not wait for each other's start.
    // A value that names no handle (NULL, a stale one) is passed on as it is.
    std::vector<HANDLE> inherited = {nul};
    const bool outputInherited =
        output && SetHandleInformation(output, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    if (outputInherited)
        inherited.push_back(output);
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<char> attributes(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    InitializeProcThreadAttributeList(list, 1, 0, &size);
    UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited.data(),
                              inherited.size() * sizeof(HANDLE), nullptr, nullptr);

    STARTUPINFOEXW startup = {};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = nul;
    startup.StartupInfo.hStdOutput = output;
    startup.StartupInfo.hStdError = nul;
    startup.lpAttributeList = list;
    // Under Wine a start now and then fails for the host's sake (the new
    // process dies before any of its own code runs); such a start is tried
    // again, at most twice, and said so on the test's standard error.
    PROCESS_INFORMATION process = {};
    DWORD error = 0;
    for (int attempt = 1; attempt <= 3 && !process.hProcess; ++attempt) {
        std::wstring line = commandLine; // CreateProcessW may write into it
        if (CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, TRUE,
                           creationFlags | EXTENDED_STARTUPINFO_PRESENT, nullptr, nullptr,
                           &startup.StartupInfo, &process))
            break;
        process = {};
        error = GetLastError();
        std::fprintf(stderr, "CreateProcessW(%ls) failed, error %lu, attempt %d of 3\n", path.c_str(),
                     static_cast<unsigned long>(error), attempt);
        Sleep(attempt < 3 ? 200 : 0);
    }
    DeleteProcThreadAttributeList(list);
    if (outputInherited)
        SetHandleInformation(output, HANDLE_FLAG_INHERIT, 0);
    CloseHandle(nul);
    SetLastError(process.hProcess ? 0 : error);
    return process;
}

PROCESS_INFORMATION StartProgram(const std::string& name, const std::wstring& commandLine, HANDLE output,
                                 DWORD creationFlags) {
    return StartProgramFile(Widened(ProgramPath(name)), commandLine, output, creationFlags);
}

PROCESS_INFORMATION StartProgram(const std::string& name, const std::string& commandLine, HANDLE output,
                                 DWORD creationFlags) {
    return StartProgram(name, Widened(commandLine), output, creationFlags);
}

namespace {

void ClearConsole(HANDLE console) {
    CONSOLE_SCREEN_BUFFER_INFO info = {};
    GetConsoleScreenBufferInfo(console, &info);
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
    DWORD written = 0;
    FillConsoleOutputCharacterA(console, ' ', cells, {0, 0}, &written);
    SetConsoleCursorPosition(console, {0, 0});
}

std::wstring ReadConsoleLines(HANDLE console) {
    CONSOLE_SCREEN_BUFFER_INFO info = {};
    GetConsoleScreenBufferInfo(console, &info);
    // Rows above the cursor hold whole lines; the cursor's row only a partial one.
    const SHORT rows = static_cast<SHORT>(info.dwCursorPosition.Y + (info.dwCursorPosition.X > 0 ? 1 : 0));
    std::wstring text;
    for (SHORT row = 0; row < rows; ++row) {
        std::wstring shown(static_cast<std::size_t>(info.dwSize.X), L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(console, shown.data(), static_cast<DWORD>(shown.size()), {0, row}, &read);
        shown.resize(read);
        shown.erase(shown.find_last_not_of(L' ') + 1);
        text += row < info.dwCursorPosition.Y ? shown + L"\r\n" : shown;
    }
    return text;
}

} // namespace

HANDLE OwnConsoleOutput() {
    static HANDLE output = [] {
        FreeConsole();
        AllocConsole();
        return CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    }();
    return output;
}

HWND TitleOwnConsole(const std::wstring& title) {
    OwnConsoleOutput();
    SetConsoleTitleW(title.c_str());
    HWND window = GetConsoleWindow();
    // The console's window takes the title a moment later.
    for (int i = 0; i < 100; ++i) {
        wchar_t caption[1024] = {};
        GetWindowTextW(window, caption, 1024);
        if (title == caption)
            break;
        Sleep(20);
    }
    return window;
}

std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return path;
}

namespace {

// The path up to and with its last backslash, in Windows form.
std::string FolderOf(const char* path) {
    std::string folder = WindowsPath(path);
    return folder.erase(folder.rfind('\\') + 1);
}

} // namespace

std::string BesideThisTest(const std::string& name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return FolderOf(path) + name;
}

std::string ProgramPath(const std::string& name) {
    if (name.find('\\') != std::string::npos)
        return name + ".exe";
    char folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("PANEFIT_PROGRAM_DIR", folder, MAX_PATH))
        return BesideThisTest(name) + ".exe";
    return FolderOf(folder) + name + ".exe";
}

ProgramRun FinishProgram(const PROCESS_INFORMATION& process, DWORD timeoutMs) {
    ProgramRun run;
    if (!process.hProcess) {
        run.exitCode = 0xFFFFFFFF;
        return run;
    }
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 0xDEAD);
        WaitForSingleObject(process.hProcess, 5000);
        run.timedOut = true;
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    return run;
}

void EndProgram(const PROCESS_INFORMATION& process) {
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

ProgramRun RunWithPipe(const std::string& name, const std::string& commandLine, DWORD timeoutMs,
                       const std::function<void()>& duringRun) {
    return RunWithPipe(name, Widened(commandLine), timeoutMs, duringRun);
}

ProgramRun RunWithPipe(const std::string& name, const std::wstring& commandLine, DWORD timeoutMs,
                       const std::function<void()>& duringRun) {
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, nullptr, 0);

    const PROCESS_INFORMATION process = StartProgram(name, commandLine, writeEnd);
    CloseHandle(writeEnd); // the reader sees the end once the program's copy closes
    std::string output;
    std::thread reader([&] {
        char chunk[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, chunk, sizeof chunk, &read, nullptr) && read > 0)
            output.append(chunk, read);
    });
    if (duringRun)
        duringRun();
    ProgramRun run = FinishProgram(process, timeoutMs);
    reader.join();
    CloseHandle(readEnd);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.output = output;
    return run;
}

ProgramRun RunThroughPipe(const std::string& name, const std::string& commandLine, DWORD timeoutMs) {
    return RunWithPipe(name, commandLine, timeoutMs);
}

ProgramRun RunInConsole(const std::string& name, const std::string& commandLine, DWORD timeoutMs) {
    return RunInConsole(name, Widened(commandLine), timeoutMs);
}

ProgramRun RunInConsole(const std::string& name, const std::wstring& commandLine, DWORD timeoutMs) {
    HANDLE console = OwnConsoleOutput();
    ClearConsole(console);
    const PROCESS_INFORMATION process = StartProgram(name, commandLine, console);
    ProgramRun run = FinishProgram(process, timeoutMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.shown = ReadConsoleLines(console);
    run.output = AnsiText(run.shown);
    return run;
}

std::vector<HWND> WaitForWindows(DWORD processId, const std::string& className, DWORD timeoutMs) {
    struct Search {
        DWORD processId;
        std::string className;
        std::vector<HWND> found;
    } search = {processId, className, {}};
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (search.found.empty() && GetTickCount64() < deadline) {
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto* wanted = reinterpret_cast<Search*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                char name[260] = {};
                GetClassNameA(window, name, sizeof name);
                if (owner == wanted->processId && wanted->className == name && IsWindowVisible(window))
                    wanted->found.push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found.empty())
            Sleep(50);
    }
    return search.found;
}

std::string Found(HWND window, const std::string& caption) {
    return "Dialog found: #" + std::to_string(HandleNumber(window)) + " \"" + caption + "\"";
}

std::string AnsiText(const std::wstring& text) {
    std::string ansi(text.size() * 2, '\0');
    ansi.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                            ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr)));
    return ansi;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

void ExpectRun(const ProgramRun& run, const std::string& output, const std::string& what, DWORD exitCode) {
    EXPECT_FALSE(run.timedOut) << what;
    EXPECT_EQ(run.exitCode, exitCode) << what;
    EXPECT_EQ(run.output, output) << what;
}

void ExpectRuns(const std::vector<RunRow>& rows,
                ProgramRun (*run)(const std::string&, const std::string&, DWORD)) {
    for (const RunRow& row : rows)
        ExpectRun(run(row.program, row.commandLine, 20000), row.output, row.commandLine, row.exitCode);
}
