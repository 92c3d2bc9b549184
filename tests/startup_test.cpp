#include "tests/program_runner.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> panefitUsage = {
    "Usage: panefit WxH \"dialog caption, all or part\"",
    "    or panefit WxH #12345 (hash followed by dialog handle)",
    "Use W or H = -1 to keep current dialog width or height",
    "Use W or H = -2 to give dialog full desktop width or height",
};
const std::vector<std::string> paneprobeUsage = {
    "Usage: paneprobe \"dialog caption, all or part\"",
    "    or paneprobe #12345 (hash followed by dialog handle)",
};
const std::vector<std::string> panefitWaitUsage = {
    "Usage: panefit-wait WxH \"dialog caption, all or part\" [seconds] [options]",
    "    or panefit-wait WxH #12345 [seconds] (hash followed by dialog handle)",
    panefitUsage[2],
    panefitUsage[3],
    "Waits up to seconds (default 30) until exactly one dialog is shown",
    "Options: /exact (whole caption), /class:NAME, /program:NAME (file or path)",
    "With /class: or /program:, an empty caption \"\" takes any caption",
    "Exit code: 0 size set, 1 no dialog in time, 2 several dialogs,",
    "           4 another size held, 3 otherwise",
};
const std::string syntaxError = Lines({"Syntax Error.", panefitUsage[0], panefitUsage[1]});

const std::vector<std::string> panelistUsage = {
    "Usage: panelist [/all] [/csv] [\"caption, all or part\"]",
    "Lists the shown windows that have a caption (/all: every window):",
    "  #handle WxH state program class \"caption\"",
    "/csv writes CSV: Handle,Width,Height,State,Program,Class,Caption",
    "Exit code: 0 listed, 1 none matched, 3 otherwise",
};

const std::vector<RunRow> usageRows = {
    {"panefit", "panefit /?", Lines(panefitUsage)},
    {"panelist", "panelist /?", Lines(panelistUsage), 3},
    {"paneprobe", "paneprobe /?", Lines(paneprobeUsage)},
    {"panefit-wait", "panefit-wait /?", Lines(panefitWaitUsage), 3}, // 3: no size was set
    {"panefit", "\"C:\\Program Files\\panefit.exe\" /?", Lines(panefitUsage)},
    {"paneprobe", "\"paneprobe\"/?", Lines(paneprobeUsage)}, // the tail starts right after the quote
    {"panefit", "renamed.exe    /?", Lines(panefitUsage)},   // the texts keep the program's own name
    {"panefit", "panefit /? ", syntaxError},                 // "/?" must be the whole tail
    {"panefit", "panefit /? 640x480", syntaxError},
    {"panefit", "panefit\t/?", syntaxError}, // a TAB belongs to the tail
    {"panefit", "panefit 640", syntaxError},
    {"panefit", "panefit 640 x 480 Save", syntaxError}, // unquoted, argument 1 is 640
    {"panefit", "panefit \"\" 640", syntaxError},       // "" is no argument: the size is 640
};

TEST(Startup, UsageAndSyntaxErrorThroughAPipe) {
    ExpectRuns(usageRows);
}

TEST(Startup, UsageAndSyntaxErrorInARealConsole) {
    ExpectRuns(usageRows, RunInConsole);
}

std::string MessageBoxTextOf(HWND box) {
    std::string text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM data) -> BOOL {
            char className[64] = {};
            GetClassNameA(child, className, sizeof className);
            char caption[1024] = {};
            GetWindowTextA(child, caption, sizeof caption);
            if (std::string(className) == "Static" && caption[0] != 0)
                *reinterpret_cast<std::string*>(data) = caption;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

TEST(Startup, EmptyCommandLineShowsTheMessageBox) {
    const std::string panefitBox = "This utility must be called via the command-line.\r\rUsage:\r"
                                   "panefit WxH \"dialog caption, all or part\"\ror \r"
                                   "panefit WxH #12345 (hash followed by dialog handle)\r\r"
                                   "Use W or H = -1 to keep current dialog width or height\r"
                                   "Use W or H = -2 to give dialog full desktop width or height";
    const std::string paneprobeBox = "This utility must be called via the command-line.\r\rUsage:\r"
                                     "paneprobe \"dialog caption, all or part\"\ror \r"
                                     "paneprobe #12345 (hash followed by dialog handle)";
    const std::string panefitWaitBox =
        "This utility must be called via the command-line.\r\rUsage:\r"
        "panefit-wait WxH \"dialog caption, all or part\" [seconds] [options]\ror \r"
        "panefit-wait WxH #12345 [seconds] (hash followed by dialog handle)\r\r"
        "Use W or H = -1 to keep current dialog width or height\r"
        "Use W or H = -2 to give dialog full desktop width or height\r"
        "Waits up to seconds (default 30) until exactly one dialog is shown\r"
        "Options: /exact (whole caption), /class:NAME, /program:NAME (file or path)";
    const std::string panelistBox = "This utility must be called via the command-line.\r\rUsage:\r"
                                    "panelist [/all] [/csv] [\"caption, all or part\"]\r\r"
                                    "Lists the shown windows that have a caption (/all: every window):\r"
                                    "#handle WxH state program class \"caption\"\r"
                                    "/csv writes CSV: Handle,Width,Height,State,Program,Class,Caption";
    const struct {
        std::string program, commandLine, title, text;
        DWORD exitCode, flags;
    } rows[] = {
        {"panefit", "panefit", "panefit", panefitBox, 0, 0},
        {"paneprobe", "paneprobe", "paneprobe", paneprobeBox, 0, 0},
        {"panefit", "panefit.exe    ", "panefit", panefitBox, 0, 0}, // blanks only count as empty
        {"paneprobe", "\"C:\\tools\\other name.exe\"  ", "paneprobe", paneprobeBox, 0, 0},
        {"panefit-wait", "panefit-wait", "panefit-wait", panefitWaitBox, 3, 0},
        // Without arguments panelist lists windows, but for on a console of
        // its own (started by a double click): its lines would vanish.
        {"panelist", "panelist", "panelist", panelistBox, 3, CREATE_NEW_CONSOLE},
    };
    for (const auto& row : rows) {
        const PROCESS_INFORMATION process = StartProgram(row.program, row.commandLine, nullptr, row.flags);
        const std::vector<HWND> boxes = WaitForWindows(process.dwProcessId, "#32770");
        EXPECT_EQ(boxes.size(), 1u) << row.commandLine;
        if (!boxes.empty()) {
            char title[260] = {};
            GetWindowTextA(boxes[0], title, sizeof title);
            EXPECT_EQ(std::string(title), row.title) << row.commandLine;
            EXPECT_EQ(MessageBoxTextOf(boxes[0]), row.text) << row.commandLine;
            PostMessageA(boxes[0], WM_COMMAND, IDOK, 0);
        }
        const ProgramRun run = FinishProgram(process);
        EXPECT_FALSE(run.timedOut) << row.commandLine;
        EXPECT_EQ(run.exitCode, row.exitCode) << row.commandLine;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

} // namespace
