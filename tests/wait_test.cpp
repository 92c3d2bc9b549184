// panefit-wait end to end: it waits for a dialog that is not there yet, tells
// the outcomes apart by its exit code, and never waits where waiting cannot
// help.
#include "search/window_handle.h"
#include "tests/program_runner.h"
#include "tests/window_fixture.h"

#include <gtest/gtest.h>

#include <chrono>

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
         nullptr},                                          // unquoted: word is argument 3
        {"panefit-wait 500x400 \"Frozen " + word + "\" 30", // at most 5 s; at once once Windows deems it hung
         Lines({Found(frozen, "Frozen " + word), "Size not set: the dialog is not responding."}), 3, 0.0,
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

} // namespace
