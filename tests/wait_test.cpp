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
    Lines({"Syntax Error.", "Usage: panefit-wait WxH \"dialog caption, all or part\" [seconds] [options]",
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
    CreateFixtureWindow({"Twin " + word + " button", twin, WS_VISIBLE});
    WindowPlan ownedPlan = {"Twin " + word + " owned"};
    ownedPlan.owner = twin;
    HWND twinOwned = CreateFixtureWindow(ownedPlan);
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
         Lines({"Several dialogs found, please specify which one to take:", // an owned window stays above
                "  #" + std::to_string(HandleNumber(twinOwned)) + ":Twin " + word + " owned",
                "  #" + std::to_string(HandleNumber(twin)) + ":Twin " + word}), // a control never counts
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

struct CaptionSearch {
    DWORD processId;
    std::string caption;
    std::vector<HWND> found;
};

BOOL CALLBACK TakeIfCaptioned(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<CaptionSearch*>(data);
    if (CaptionOf(window) == search->caption)
        search->found.push_back(window);
    return TRUE;
}

// The windows of a process with this caption, hidden ones and those inside
// others too.
std::vector<HWND> WindowsCaptioned(DWORD processId, const std::string& caption) {
    CaptionSearch search = {processId, caption, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == reinterpret_cast<CaptionSearch*>(data)->processId) {
                TakeIfCaptioned(window, data);
                EnumChildWindows(window, TakeIfCaptioned, data);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Programs that show their window only once it is ready, lay it out after
// showing it, or keep it in a state that sizing must respect
// (tests/window_patterns.cpp): the one shown window of its own ends as the
// row says, restored when it was sized, and every other window of that
// caption (hidden, or a control) is neither waited for nor touched. Neither
// program passes its limit (panefit's is 5 s) by more than a second, plus a
// start. panefit-wait leaves the foreground to the window the user works in
// (but where the program itself moves it: a dialog box activates itself, and
// under Wine minimising or restoring a window moves the foreground).
TEST(PanefitWait, SizesAWindowOnlyOnceItIsReady) {
    const std::string keepsResizing = "Size not set: the dialog keeps resizing itself.";
    const std::string minimised = "Size not set: the dialog is minimised.";
    const std::string notResponding = "Size not set: the dialog is not responding.";
    const struct {
        std::string pattern, program;
        int limit; // seconds
        DWORD exitCode;
        std::string lastLine,
            sizeAfter; // sizeAfter: "" unchecked, else sizes the window may have, "|" between
        bool keepsForeground;
    } rows[] = {
        {"hidden-loading", "panefit-wait", 20, 0, "Size set to 640x480", "640x480", true},
        {"slow-init", "panefit-wait", 20, 0, "Size set to 640x480", "640x480", false},
        {"late-layout", "panefit-wait", 20, 0, "Size set to 640x480", "640x480", true},
        {"hidden-twin", "panefit-wait", 20, 0, "Size set to 640x480", "640x480", true},
        {"never-shown", "panefit-wait", 4, 1, "", "", true},
        {"restless", "panefit-wait", 4, 3, keepsResizing, "520x360|530x370", true}, // the program's own sizes
        {"minimised", "panefit", 5, 0, minimised, "", false},
        {"minimised", "panefit-wait", 3, 3, minimised, "", false},
        {"minimised", "panefit-wait", 20, 0, "Size set to 640x480", "640x480", false}, // once restored
        {"maximised", "panefit", 5, 0, "Size set to 640x480", "640x480", false},
        {"maximised", "panefit-wait", 20, 0, "Size set to 640x480", "640x480", true},
        {"min-size", "panefit-wait", 20, 4, "Size set to 700x500", "700x500", true}, // the size it holds
        {"refusing", "panefit-wait", 20, 4, "Size set to 300x200", "300x200", true},
        {"button-first", "panefit-wait", 20, 0, "Size set to 640x480", "640x480", true},
        {"blocking-resize", "panefit", 5, 0, notResponding, "300x200", false},
        {"blocking-resize", "panefit-wait", 4, 3, notResponding, "300x200", true},
        {"restore-and-load", "panefit-wait", 20, 0, "Size set to 640x480", "640x480", true},
        {"replaced", "panefit-wait", 20, 0, "Size set to 640x480", "640x480", true}, // the new window
        {"ghost", "panefit-wait", 20, 0, "Size set to 640x480", "640x480", true},    // the real window
    };
    HWND work = CreateFixtureWindow({"Typing here " + UniqueWord()});
    for (const auto& row : rows) {
        const std::string caption = row.pattern + " " + UniqueWord();
        const std::string what = row.program + " " + row.pattern;
        SetForegroundWindow(work);
        // The window comes 1.5 s after the start: panefit-wait waits for it,
        // panefit is started once it is shown.
        const PROCESS_INFORMATION program =
            StartProgram(BesideThisTest("window_patterns"),
                         "window_patterns " + row.pattern + " 1500 \"" + caption + "\"");
        std::string commandLine = row.program + " 640x480 \"" + caption + "\"";
        if (row.program == "panefit")
            WaitForWindows(program.dwProcessId, "PanePattern");
        else
            commandLine += " " + std::to_string(row.limit);
        const auto start = std::chrono::steady_clock::now();
        const ProgramRun run = RunThroughPipe(row.program, commandLine, 40000);
        EXPECT_LT(SecondsSince(start), row.limit + 2.5) << what;
        if (row.keepsForeground) {
            EXPECT_EQ(GetForegroundWindow(), work) << what;
        }
        Sleep(1000); // any sizing of the program's own is over
        HWND shown = nullptr;
        for (HWND window : WindowsCaptioned(program.dwProcessId, caption)) {
            if (IsWindowVisible(window) && GetAncestor(window, GA_ROOT) == window)
                shown = window;
            else
                EXPECT_EQ(SizeOf(window), "300x200") << what; // untouched
        }
        ExpectRun(run,
                  row.exitCode == 1 ? "No dialog found.\r\n" : Lines({Found(shown, caption), row.lastLine}),
                  what, row.exitCode);
        if (!row.sizeAfter.empty()) {
            EXPECT_NE(("|" + row.sizeAfter + "|").find("|" + SizeOf(shown) + "|"), std::string::npos)
                << what << ": " << SizeOf(shown);
        }
        if (row.lastLine.rfind("Size set to", 0) == 0) {
            EXPECT_FALSE(IsZoomed(shown) || IsIconic(shown)) << what; // restored, as a user would size it
        }
        EndProgram(program);
    }
    DestroyFixtureWindow(work);
}

} // namespace
