#include "search/dialog_query.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogQuery, TitleShowingCommand) {
    const std::string filler(300, 'a');
    const struct {
        std::string title, programName, shown;
    } rows[] = {
        {"Command Prompt - paneprobe  Report draft", "paneprobe", "Command Prompt - paneprobe  Report draft"},
        {"Administrator: Command Prompt - PANEPROBE.EXE x", "paneprobe",
         "Administrator: Command Prompt - PANEPROBE.EXE x"},
        {"C:\\WINDOWS\\system32\\cmd.exe - C:\\tools\\paneprobe.exe x", "paneprobe",
         "C:\\WINDOWS\\system32\\cmd.exe - C:\\tools\\paneprobe.exe x"},
        {"Windows PowerShell", "paneprobe", ""}, // shows no command
        {"", "paneprobe", ""},
        {"Command Prompt - paneprobe", "", ""},                                       // no name: no rule
        {"paneprobe " + filler, "paneprobe", ("paneprobe " + filler).substr(0, 259)}, // cut like a caption
        {filler + " paneprobe", "paneprobe", filler.substr(0, 259)}, // the name may lie past the cut
    };
    for (const auto& row : rows)
        EXPECT_EQ(TitleShowingCommand(row.title, row.programName), row.shown) << row.title;
}

TEST(DialogQuery, CaptionQueriesSkipTheOwnConsole) {
    const OwnConsole prompt = {1000, "Command Prompt - paneprobe  Report draft"};
    const OwnConsole powerShell = {2000, "Windows PowerShell"};
    const OwnConsole none = {0, ""};
    const struct {
        OwnConsole console;
        std::string query;
        std::uint32_t handle;
        std::string caption;
        bool canMatch, matches;
    } rows[] = {
        {prompt, "CAP:Report draft", 1000, prompt.title, false, false}, // the console's own window
        {prompt, "CAP:Report draft", 1001, prompt.title, true, false},  // a terminal that shows its title
        {prompt, "CAP:Report draft", 1002, "COMMAND PROMPT - PANEPROBE  REPORT DRAFT - Terminal", true,
         false},
        {prompt, "CAP:Report draft", 1003, "Report draft", true, true},
        {prompt, "CAP:", 1004, "Command Prompt - paneprobe", true, true}, // not the whole title
        {prompt, "HND:1000", 1000, prompt.title, true, true},             // a handle finds it all the same
        {prompt, "HND:1000", 1001, prompt.title, false, false},
        {powerShell, "CAP:PowerShell", 2000, "Windows PowerShell", false, false},
        {powerShell, "CAP:PowerShell", 2001, "Windows PowerShell", true, true}, // a title without the command
        {none, "CAP:", 0, "Untitled", true, true},
        {none, "CAP:x", 5, "cmd.exe - paneprobe x", true, false}, // the marker still holds
        {none, "XYZ:x", 5, "x", false, false},
    };
    for (const auto& row : rows) {
        const DialogQuery query = ReadDialogQuery(row.query, "paneprobe", row.console);
        EXPECT_EQ(CaptionCanMatch(query, row.handle), row.canMatch) << row.query << " " << row.handle;
        EXPECT_EQ(WindowMatches(query, row.handle, row.caption), row.matches)
            << row.query << " " << row.handle;
    }
}

TEST(DialogQuery, CaptionTests) {
    const OwnConsole prompt = {1000, "Command Prompt - paneprobe  Report"};
    const struct {
        CaptionTest test;
        std::string argument, caption;
        bool matches;
    } rows[] = {
        {CaptionTest::Holds, "report", "Report - Preview", true},
        {CaptionTest::Equals, "report", "Report - Preview", false},
        {CaptionTest::Equals, "report", "  REPORT  ", true}, // blanks at the ends dropped
        {CaptionTest::Equals, "report", "\tReport", false},  // a TAB is no blank
        {CaptionTest::Equals, "", "", true},
        {CaptionTest::Holds, "", "", false},
        {CaptionTest::Any, "", "", true},                       // even an empty caption
        {CaptionTest::Any, "", "cmd.exe - paneprobe x", false}, // never the own console
        {CaptionTest::Equals, "report", prompt.title, false},
    };
    for (const auto& row : rows) {
        DialogQuery query = ReadDialogQuery("CAP:" + row.argument, "paneprobe", prompt);
        query.test = row.test;
        EXPECT_EQ(WindowMatches(query, 5, row.caption), row.matches)
            << static_cast<int>(row.test) << " " << row.argument << " / " << row.caption;
    }
}

} // namespace
