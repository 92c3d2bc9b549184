#include "search/window_handle.h"
#include "tests/program_runner.h"
#include "tests/window_fixture.h"

#include <gtest/gtest.h>

namespace {

std::string Number(HWND window) {
    return std::to_string(HandleNumber(window));
}

std::string Listed(HWND window, const std::string& caption) {
    return "  #" + Number(window) + ":" + caption;
}

RECT RectOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

TEST(Programs, FindOneDialogByCaptionOrHandle) {
    const std::string word = UniqueWord();
    const std::string caption = "Page Setup " + word;
    WindowPlan plan = {caption};
    plan.width = 640;
    plan.height = 480;
    HWND dialog = CreateFixtureWindow(plan);
    char hex[32];
    wsprintfA(hex, "#&H%X", HandleNumber(dialog));
    const std::string probed = Lines({Found(dialog, caption), "Size: 640x480"});

    ExpectRuns({
        {"paneprobe", "paneprobe page setup " + word, probed}, // the whole tail, blanks and all
        {"paneprobe", "paneprobe \"PAGE SETUP " + word + "\"", probed},
        {"paneprobe", "paneprobe  \t\" page setup " + word + "\t\" \t",
         probed}, // quotes, TABs, blanks trimmed
        {"paneprobe", "paneprobe #" + Number(dialog), probed},
        {"paneprobe", "paneprobe \"#" + Number(dialog) + "\"", probed},
        {"paneprobe", "paneprobe " + std::string(hex), probed},
        {"panefit", "panefit -1x-1 \"page setup " + word + "\"",
         Lines({Found(dialog, caption), "Size set to 640x480"})},
        {"panefit", "panefit -1x-1 \"#" + Number(dialog) + "\"",
         Lines({Found(dialog, caption), "Size set to 640x480"})},
        // Unquoted words: panefit searches its argument 2 only, paneprobe the whole tail.
        {"panefit", "panefit -1x-1 " + word + " more words",
         Lines({Found(dialog, caption), "Size set to 640x480"})},
        {"paneprobe", "paneprobe " + word + " more words", "No dialog found.\r\n"},
    });
    DestroyFixtureWindow(dialog);
}

TEST(Programs, NoMatchAndSeveralMatches) {
    const std::string word = UniqueWord();
    HWND first = CreateFixtureWindow({"Alpha " + word});
    HWND control = CreateFixtureWindow({"Alpha " + word + " button", first, WS_VISIBLE});
    HWND second = CreateFixtureWindow({"Beta " + word});
    // Top-level windows come in z-order, each followed by its descendants.
    // Wine may restack new windows a moment after showing them, so the order
    // is read right before each run that lists them.
    const std::string several = "Several dialogs found, please specify which one to take:";
    const auto severalInZOrder = [&] {
        bool firstOnTop = false;
        for (HWND below = GetWindow(first, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
            firstOnTop = firstOnTop || below == second;
        const std::string firstLines =
            Lines({Listed(first, "Alpha " + word), Listed(control, "Alpha " + word + " button")});
        const std::string secondLine = Lines({Listed(second, "Beta " + word)});
        return Lines({several}) + (firstOnTop ? firstLines + secondLine : secondLine + firstLines);
    };
    for (const std::string& commandLine : {"paneprobe " + word, "panefit 640x480 " + word}) {
        const std::string expected = severalInZOrder();
        ExpectRun(RunThroughPipe(commandLine.substr(0, commandLine.find(' ')), commandLine, 20000), expected,
                  commandLine);
    }

    ExpectRuns({
        {"paneprobe", "paneprobe alpha " + word + " button",
         Lines({Found(control, "Alpha " + word + " button"), "Size: 320x240"})},
        {"paneprobe", "paneprobe Gamma " + word, "No dialog found.\r\n"},
        {"panefit", "panefit 640x480 \"Gamma " + word + "\"", "No dialog found.\r\n"},
        {"paneprobe", "paneprobe #", "No dialog found.\r\n"}, // a lone "#" reads as handle 0
        {"panefit", "panefit 640x480 #", "No dialog found.\r\n"},
        {"paneprobe", "paneprobe /? ", "No dialog found.\r\n"}, // a caption query for "/?"
    });
    EXPECT_EQ(RectOf(first).right - RectOf(first).left, 320); // nothing was resized

    // An empty dialog argument lists every window with a caption.
    const ProgramRun all = RunWithPipe("panefit", "panefit 640x480 \"\"");
    EXPECT_EQ(all.output.rfind(several + "\r\n", 0), 0u);
    EXPECT_NE(all.output.find(Listed(second, "Beta " + word) + "\r\n"), std::string::npos);
    DestroyFixtureWindow(first);
    DestroyFixtureWindow(second);
}

TEST(Programs, CaptionsReachTheFoundLineWhole) {
    const std::string word = UniqueWord();
    const std::string colons = "Time: 12:30 " + word + " \"quoted\":";
    HWND withColons = CreateFixtureWindow({colons});
    WindowPlan narrow = {"Narrow " + word, nullptr, WS_POPUP | WS_VISIBLE};
    narrow.width = 5;
    narrow.height = 7;
    HWND thin = CreateFixtureWindow(narrow);

    ExpectRuns({
        {"paneprobe", "paneprobe 12:30 " + word, Lines({Found(withColons, colons), "Size: 320x240"})},
        {"panefit", "panefit -1x-1 #" + Number(withColons),
         Lines({Found(withColons, colons), "Size set to 320x240"})},
        {"paneprobe", "paneprobe narrow " + word, Lines({Found(thin, "Narrow " + word), "Size: 5x7"})},
    });
    DestroyFixtureWindow(withColons);
    DestroyFixtureWindow(thin);
}

TEST(Programs, TheirOwnCommandPromptIsNeverListed) {
    const std::string word = UniqueWord();
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string copy = std::string(folder) + "probe copy"; // the marker follows the file's name
    ASSERT_TRUE(CopyFileA(ProgramPath("paneprobe").c_str(), ProgramPath(copy).c_str(), FALSE));
    HWND ownPrompt = CreateFixtureWindow({"cmd.exe - paneprobe " + word});
    HWND copyPrompt = CreateFixtureWindow({"Administrator: CMD.EXE - Probe Copy  " + word});

    ExpectRuns({
        {"paneprobe", "paneprobe " + word,
         Lines({Found(copyPrompt, "Administrator: CMD.EXE - Probe Copy  " + word), "Size: 320x240"})},
        {copy, "\"probe copy.exe\" " + word,
         Lines({Found(ownPrompt, "cmd.exe - paneprobe " + word), "Size: 320x240"})},
        {"paneprobe", "paneprobe #" + Number(ownPrompt),
         Lines({Found(ownPrompt, "cmd.exe - paneprobe " + word), "Size: 320x240"})},
    });
    DestroyFixtureWindow(ownPrompt);
    DestroyFixtureWindow(copyPrompt);
    DeleteFileA(ProgramPath(copy).c_str());
}

// Captions are ANSI text; a console shows them as the same characters,
// whatever code page the console itself uses.
TEST(Programs, AConsoleShowsAccentedCaptionsAsTheyAre) {
    const std::string caption = "R\xe9sum\xe9 \xc0 la une " + UniqueWord();
    HWND window = CreateFixtureWindow({caption});
    ExpectRuns({{"paneprobe", "paneprobe " + caption, Lines({Found(window, caption), "Size: 320x240"})}},
               RunInConsole);
    DestroyFixtureWindow(window);
}

TEST(Programs, PanefitSetsTheOuterSize) {
    RECT workArea = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const LONG workWidth = workArea.right - workArea.left;
    const LONG workHeight = workArea.bottom - workArea.top;
    const struct {
        std::string size;
        LONG width, height; // what the window measures afterwards
        std::string line;
    } rows[] = {
        {"640x480", 640, 480, "Size set to 640x480"},
        {"640X480", 640, 480, "Size set to 640x480"},
        {"\" 700 x 500 \"", 700, 500, "Size set to 700x500"},
        {"-1x-1", 320, 240, "Size set to 320x240"}, // the current size, set again
        {"-1x300", 320, 300, "Size set to 320x300"},
        {"-2x-2", workWidth, workHeight,
         "Size set to " + std::to_string(workWidth) + "x" + std::to_string(workHeight)},
        {"-1x-2", 320, workHeight, "Size set to 320x" + std::to_string(workHeight)},
        {"-2x-1", workWidth, 240, "Size set to " + std::to_string(workWidth) + "x240"},
        {"-1.5x-1", workWidth, 240, "Size set to " + std::to_string(workWidth) + "x240"}, // -1.5 rounds to -2
        {"&H280x&H1E0", 640, 480, "Size set to 640x480"},
    };
    for (const auto& row : rows) {
        const std::string caption = "Resize " + UniqueWord();
        HWND window = CreateFixtureWindow({caption});
        HWND below = GetWindow(window, GW_HWNDNEXT);
        const ProgramRun run = RunWithPipe("panefit", "panefit " + row.size + " \"" + caption + "\"");
        EXPECT_EQ(run.exitCode, 0u) << row.size;
        EXPECT_EQ(run.output, Lines({Found(window, caption), row.line})) << row.size;
        const RECT rect = RectOf(window);
        EXPECT_EQ(rect.right - rect.left, row.width) << row.size;
        EXPECT_EQ(rect.bottom - rect.top, row.height) << row.size;
        EXPECT_EQ(rect.left, 50) << row.size; // the top-left corner stays
        EXPECT_EQ(rect.top, 60) << row.size;
        EXPECT_EQ(GetWindow(window, GW_HWNDNEXT), below) << row.size; // and so does the z-order
        DestroyFixtureWindow(window);
    }
}

TEST(Programs, PanefitReportsTheSizeItAskedFor) {
    const struct {
        std::string size, line;
    } rows[] = {
        {"x", "Size set to 0x0"},
        {"-3x-4", "Size set to -3x-4"},
        {"99999999999x1", "Size set to -2147483648x1"},
    };
    for (const auto& row : rows) {
        const std::string caption = "Odd size " + UniqueWord();
        HWND window = CreateFixtureWindow({caption});
        ExpectRuns({{"panefit", "panefit " + row.size + " \"" + caption + "\"",
                     Lines({Found(window, caption), row.line})}});
        DestroyFixtureWindow(window);
    }
}

TEST(Programs, SyntaxErrorLeavesEveryWindowAlone) {
    const std::string caption = "Untouched " + UniqueWord();
    HWND window = CreateFixtureWindow({caption});
    ExpectRuns({
        {"panefit", "panefit 640 \"" + caption + "\"",
         Lines({"Syntax Error.", "Usage: panefit WxH \"dialog caption, all or part\"",
                "    or panefit WxH #12345 (hash followed by dialog handle)"})},
    });
    EXPECT_EQ(RectOf(window).right - RectOf(window).left, 320);
    DestroyFixtureWindow(window);
}

} // namespace
