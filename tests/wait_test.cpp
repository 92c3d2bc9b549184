// panefit-wait end to end: it waits for a dialog that is not there yet, tells
// the outcomes apart by its exit code, and never waits where waiting cannot
// help.
#include "search/window_handle.h"
#include "tests/program_runner.h"
#include "tests/window_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

const std::string syntaxError =
    Lines({"Syntax Error.", "Usage: panefit-wait WxH \"dialog caption, all or part\" [seconds]",
           "    or panefit-wait WxH #12345 [seconds] (hash followed by dialog handle)"});

TEST(PanefitWait, SizesADialogThatAppearsLate) {
    const std::string caption = "Late " + UniqueWord();
    HWND late = nullptr;
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run =
        RunWithPipe("panefit-wait", "panefit-wait 500x400 \"" + caption + "\" 20", 30000, [&] {
            Sleep(2000);
            late = CreateFixtureWindow({caption});
        });
    const double took = SecondsSince(start);
    ExpectRun(run, Lines({Found(late, caption), "Size set to 500x400"}), "late dialog");
    EXPECT_GE(took, 2.0);
    EXPECT_LT(took, 10.0);
    EXPECT_EQ(SizeOf(late), "500x400");
    DestroyFixtureWindow(late);
}

TEST(PanefitWait, ExitCodesTellTheOutcomesApart) {
    const std::string word = UniqueWord();
    HWND twin = CreateFixtureWindow({"Twin " + word});
    HWND twinButton = CreateFixtureWindow({"Twin " + word + " button", twin, WS_VISIBLE});
    const std::string special = "R&D (100%) done! ^ " + word; // what cmd.exe would mangle
    HWND specialWindow = CreateFixtureWindow({special});
    HWND byHandle = CreateFixtureWindow({"Handle " + word});
    HWND frozen = CreateFrozenWindow("Frozen " + word);
    const std::string absent = "\"Absent " + word + "\"";

    const struct {
        std::string commandLine, output;
        DWORD exitCode;
        double atLeast, below; // seconds the run takes
        HWND resized;          // a window that must now measure 500x400
    } rows[] = {
        {"panefit-wait 500x400 " + absent + " 2", "No dialog found.\r\n", 1, 2.0, 6.0, nullptr},
        {"panefit-wait 500x400 \"Twin " + word + "\" 30", // several never become one: no waiting
         Lines({"Several dialogs found, please specify which one to take:",
                "  #" + std::to_string(HandleNumber(twin)) + ":Twin " + word,
                "  #" + std::to_string(HandleNumber(twinButton)) + ":Twin " + word + " button"}),
         2, 0.0, 10.0, nullptr},
        {"panefit-wait 500x400 \"" + special + "\"",
         Lines({Found(specialWindow, special), "Size set to 500x400"}), 0, 0.0, 10.0, specialWindow},
        {"panefit-wait 500x400 #" + std::to_string(HandleNumber(byHandle)) + " 5",
         Lines({Found(byHandle, "Handle " + word), "Size set to 500x400"}), 0, 0.0, 10.0, byHandle},
        {"panefit-wait 640 " + absent + " 30", syntaxError, 3, 0.0, 10.0, nullptr}, // checked before waiting
        {"panefit-wait 500x400 Absent " + word, syntaxError, 3, 0.0, 10.0,
         nullptr}, // unquoted: word is argument 3
        {"panefit-wait 500x400 \"\" 30", syntaxError, 3, 0.0, 10.0,
         nullptr}, // "%CAPTION%" of an empty CAPTION
        {"panefit-wait 500x400", syntaxError, 3, 0.0, 10.0, nullptr},
        {"panefit-wait 500x400 # 30", syntaxError, 3, 0.0, 10.0, nullptr},
        {"panefit-wait 500x400 \"Frozen " + word + "\" 3", // waits for an answer up to the limit
         Lines({Found(frozen, "Frozen " + word), "Size not set: the dialog is not responding."}), 3, 3.0,
         15.0, nullptr},
    };
    for (const auto& row : rows) {
        const auto start = std::chrono::steady_clock::now();
        const ProgramRun run = RunWithPipe("panefit-wait", row.commandLine, 40000);
        const double took = SecondsSince(start);
        ExpectRun(run, row.output, row.commandLine, row.exitCode);
        EXPECT_GE(took, row.atLeast) << row.commandLine;
        EXPECT_LT(took, row.below) << row.commandLine;
        if (row.resized) {
            EXPECT_EQ(SizeOf(row.resized), "500x400") << row.commandLine;
        }
    }
    ThawWindow(frozen);
    for (HWND window : {twin, specialWindow, byHandle})
        DestroyFixtureWindow(window);
}

// The top-level windows of a process with this caption, hidden ones too.
std::vector<HWND> WindowsCaptioned(DWORD processId, const std::string& caption) {
    struct Search {
        DWORD processId;
        std::string caption;
        std::vector<HWND> found;
    } search = {processId, caption, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* wanted = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == wanted->processId && CaptionOf(window) == wanted->caption)
                wanted->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Programs that show their window only once it is ready, or lay it out
// after showing it (tests/window_patterns.cpp): the shown window ends at the
// asked size, and a hidden one is neither waited for nor touched.
TEST(PanefitWait, SizesAWindowOnlyOnceItIsReady) {
    const struct {
        std::string pattern;
        DWORD exitCode; // 0: the shown window is sized, 1: none is shown, 3: the program wins
    } rows[] = {
        {"hidden-loading", 0}, {"slow-init", 0},   {"late-layout", 0},
        {"hidden-twin", 0},    {"never-shown", 1}, {"restless", 3},
    };
    for (const auto& row : rows) {
        const std::string caption = row.pattern + " " + UniqueWord();
        // The window comes 1.5 s after the start, once panefit-wait waits.
        const PROCESS_INFORMATION program =
            StartProgram(BesideThisTest("window_patterns"),
                         "window_patterns " + row.pattern + " 1500 \"" + caption + "\"");
        const std::string limit = row.exitCode == 0 ? " 20" : " 4";
        const ProgramRun run =
            RunThroughPipe("panefit-wait", "panefit-wait 640x480 \"" + caption + "\"" + limit, 40000);
        Sleep(1000); // any sizing of the program's own is over
        HWND shown = nullptr;
        for (HWND window : WindowsCaptioned(program.dwProcessId, caption)) {
            if (IsWindowVisible(window))
                shown = window;
            else
                EXPECT_EQ(SizeOf(window), "300x200") << row.pattern; // untouched
        }
        const std::string lastLine =
            row.exitCode == 0 ? "Size set to 640x480" : "Size not set: the dialog keeps resizing itself.";
        ExpectRun(run, row.exitCode == 1 ? "No dialog found.\r\n" : Lines({Found(shown, caption), lastLine}),
                  row.pattern, row.exitCode);
        if (shown) {
            const std::string size = SizeOf(shown);
            const bool programsOwn = size == "520x360" || size == "530x370"; // a restless one's turns
            EXPECT_TRUE(row.exitCode == 0 ? size == "640x480" : programsOwn) << row.pattern << ": " << size;
        }
        TerminateProcess(program.hProcess, 0);
        WaitForSingleObject(program.hProcess, 5000);
        CloseHandle(program.hThread);
        CloseHandle(program.hProcess);
    }
}

} // namespace
