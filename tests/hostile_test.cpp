// The real programs under bad input, faults and load: every case ends with
// exit code 0 and the exact lines wherever they can be read.
#include "search/window_handle.h"
#include "tests/program_runner.h"
#include "tests/window_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

const std::string usage = Lines({"Usage: paneprobe \"dialog caption, all or part\"",
                                 "    or paneprobe #12345 (hash followed by dialog handle)"});

ProgramRun RunWithOutput(const std::string& commandLine, HANDLE output, DWORD creationFlags = 0) {
    const PROCESS_INFORMATION process = StartProgram("paneprobe", commandLine, output, creationFlags);
    const ProgramRun run = FinishProgram(process);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

std::string TemporaryPath(const std::string& name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

TEST(Hostile, EveryKindOfStandardOutput) {
    // A file gets the very bytes a pipe gets.
    const std::string path = TemporaryPath("paneprobe-" + UniqueWord() + ".txt");
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(RunWithOutput("paneprobe /?", file).exitCode, 0u);
    CloseHandle(file);
    std::string written;
    if (FILE* stream = std::fopen(path.c_str(), "rb")) {
        char chunk[512];
        for (std::size_t read; (read = std::fread(chunk, 1, sizeof chunk, stream)) > 0;)
            written.append(chunk, read);
        std::fclose(stream);
    }
    EXPECT_EQ(written, usage);
    DeleteFileA(path.c_str());

    // Where nothing can be read back, the program still ends normally.
    HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    const struct {
        const char* what;
        HANDLE output;
        DWORD flags;
    } rows[] = {
        {"the NUL device", nul, 0},
        {"no standard output (NULL)", nullptr, 0},
        {"a handle that names nothing", reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0x7FFF0004)), 0},
        {"no console at all: a new one is made", INVALID_HANDLE_VALUE, DETACHED_PROCESS},
    };
    for (const auto& row : rows) {
        const ProgramRun run = RunWithOutput("paneprobe /?", row.output, row.flags);
        EXPECT_FALSE(run.timedOut) << row.what;
        EXPECT_EQ(run.exitCode, 0u) << row.what;
    }
    CloseHandle(nul);
}

TEST(Hostile, CommandLineOf32000Characters) {
    const std::string filler(32000, 'a');
    const ProgramRun probe = RunWithPipe("paneprobe", "paneprobe " + filler);
    EXPECT_EQ(probe.exitCode, 0u);
    EXPECT_EQ(probe.output, "No dialog found.\r\n");
    const ProgramRun fit = RunWithPipe("panefit", "panefit 640x480 " + filler);
    EXPECT_EQ(fit.exitCode, 0u);
    EXPECT_EQ(fit.output, "No dialog found.\r\n");
    const ProgramRun syntax = RunWithPipe("panefit", "panefit " + filler);
    EXPECT_EQ(syntax.output.rfind("Syntax Error.\r\n", 0), 0u);
}

TEST(Hostile, EveryByteInCaptionsAndArguments) {
    const std::string word = UniqueWord();
    std::string low = word;
    std::string high = word;
    for (int byte = 1; byte < 128; ++byte)
        low += static_cast<char>(byte);
    for (int byte = 128; byte < 256; ++byte)
        high += static_cast<char>(byte);
    HWND lowWindow = CreateFixtureWindow({low});
    HWND highWindow = CreateFixtureWindow({high});
    ASSERT_EQ(CaptionOf(lowWindow), low);
    ASSERT_EQ(CaptionOf(highWindow), high);

    // paneprobe takes its whole tail, so every byte can be typed; controls
    // but TAB come out as "?", so that the output keeps its two lines.
    std::string lowLine = word;
    for (int byte = 1; byte < 128; ++byte)
        lowLine += (byte < 32 && byte != '\t') || byte == 127 ? '?' : static_cast<char>(byte);
    const ProgramRun lowRun = RunWithPipe("paneprobe", "paneprobe " + low);
    EXPECT_EQ(lowRun.output, Lines({Found(lowWindow, lowLine), "Size: 320x240"}));
    const ProgramRun highRun = RunWithPipe("paneprobe", "paneprobe " + high);
    EXPECT_EQ(highRun.output, Lines({Found(highWindow, high), "Size: 320x240"}));
    const ProgramRun fitRun = RunWithPipe("panefit", "panefit -1x-1 " + high);
    EXPECT_EQ(fitRun.output, Lines({Found(highWindow, high), "Size set to 320x240"}));
    DestroyFixtureWindow(lowWindow);
    DestroyFixtureWindow(highWindow);
}

// Destroys its window while panefit holds it in SetWindowPos.
LRESULT CALLBACK VanishOnResize(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING && !(reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_NOSIZE)) {
        DestroyWindow(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(Hostile, ADesktopOf20000WindowsAndAWindowThatVanishes) {
    const std::string word = UniqueWord();
    HWND crowd = CreateFixtureWindow({"Crowd " + word});
    HWND last = AddCrowd(crowd, 20000, "Last " + word);
    ASSERT_NE(last, nullptr);

    const auto start = std::chrono::steady_clock::now();
    const ProgramRun byCaption = RunWithPipe("paneprobe", "paneprobe last " + word, 120000);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(byCaption.output, Lines({Found(last, "Last " + word), "Size: 1x1"}));
    const ProgramRun byHandle =
        RunWithPipe("paneprobe", "paneprobe #" + std::to_string(HandleNumber(last)), 120000);
    EXPECT_EQ(byHandle.output, Lines({Found(last, "Last " + word), "Size: 1x1"}));
    std::printf("paneprobe over more than 20001 windows: %.2f s\n", took.count());

    // Closed in the middle of panefit's SetWindowPos.
    WNDCLASSA vanishing = {};
    vanishing.lpfnWndProc = VanishOnResize;
    vanishing.hInstance = GetModuleHandleA(nullptr);
    vanishing.lpszClassName = "PaneVanishing";
    RegisterClassA(&vanishing);
    const std::string caption = "Vanishing " + word;
    HWND target =
        CreateFixtureWindow({caption, nullptr, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, "PaneVanishing"});
    const ProgramRun resized = RunWithPipe("panefit", "panefit 640x480 \"" + caption + "\"", 120000);
    EXPECT_EQ(resized.exitCode, 0u);
    EXPECT_EQ(resized.output, Lines({Found(target, caption), "Size not set: the dialog has closed."}));
    EXPECT_FALSE(IsWindow(target));

    // Closed between paneprobe's search and its size query: with the crowd
    // the search takes a while, and the window, on top, is read early in it.
    // The moment to close it is sought by a walk: later after a run that
    // closed it too early, earlier after one that closed it too late, in
    // steps that halve down to a floor once it has been too late. Starts
    // vary by more than the span on a fast machine under load, so no single
    // run fixes a bound: the walk keeps circling the middle of the span.
    DWORD delayMs = 1200, stepMs = 600;
    bool tooLateOnce = false, caughtInBetween = false;
    for (int attempt = 0; attempt < 30 && !caughtInBetween; ++attempt) {
        const std::string name = "Fleeting " + UniqueWord();
        HWND fleeting = CreateFixtureWindow({name});
        const ProgramRun run = RunWithPipe("paneprobe", "paneprobe " + name, 120000, [&] {
            Sleep(delayMs);
            DestroyFixtureWindow(fleeting);
        });
        EXPECT_EQ(run.exitCode, 0u);
        if (run.output == "No dialog found.\r\n") {
            delayMs += stepMs; // gone before the search read it
        } else if (run.output == Lines({Found(fleeting, name), "Size: 320x240"})) {
            delayMs = delayMs > stepMs ? delayMs - stepMs : 0; // gone only after the size was read
            tooLateOnce = true;
        } else {
            EXPECT_EQ(run.output, Lines({Found(fleeting, name), "Size not read: the dialog has closed."}));
            caughtInBetween = true;
        }
        if (tooLateOnce)
            stepMs = std::max<DWORD>(stepMs / 2, 20);
    }
    EXPECT_TRUE(caughtInBetween);
    DestroyFixtureWindow(crowd);
}

} // namespace
