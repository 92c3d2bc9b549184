// Scripts name the window they mean: windows of two programs and of this
// test share one caption, panefit-wait's options pick one of them, and
// panelist lists them with what a script can name them by.
#include "search/window_handle.h"
#include "tests/program_runner.h"
#include "tests/window_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string Number(HWND window) {
    return std::to_string(HandleNumber(window));
}

std::string TemporaryFolder() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

// The windows in EnumWindows order, read now: Wine may restack new windows
// a moment after showing them.
std::vector<HWND> InEnumOrder(const std::vector<HWND>& windows) {
    std::vector<HWND> all;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> ordered;
    for (HWND window : all)
        if (std::find(windows.begin(), windows.end(), window) != windows.end())
            ordered.push_back(window);
    return ordered;
}

// "Report <word>" shown by window_patterns.exe (beside a "... - Preview"
// window), by a copy of it named report.exe, and by this test.
struct SharedCaption {
    std::string caption, secondProgram; // the copy's Windows path, without ".exe"
    PROCESS_INFORMATION first, second;
    HWND firstWindow, preview, secondWindow, fixture;
};

// The shown windows of the process, waiting until there are count of them.
std::vector<HWND> ShownWindowsOf(const PROCESS_INFORMATION& process, std::size_t count) {
    std::vector<HWND> windows;
    for (int i = 0; i < 100 && windows.size() < count; ++i) {
        windows = WaitForWindows(process.dwProcessId, "PanePattern");
        Sleep(windows.size() < count ? 50 : 0);
    }
    return windows;
}

SharedCaption ShowSharedCaption() {
    SharedCaption shared = {};
    shared.caption = "Report " + UniqueWord();
    shared.secondProgram = TemporaryFolder() + "report";
    CopyFileA(ProgramPath(BesideThisTest("window_patterns")).c_str(),
              ProgramPath(shared.secondProgram).c_str(), FALSE);
    const std::string tail = " 0 \"" + shared.caption + "\"";
    shared.first = StartProgram(BesideThisTest("window_patterns"), "window_patterns with-preview" + tail);
    shared.second = StartProgram(shared.secondProgram, "report plain" + tail);
    for (HWND window : ShownWindowsOf(shared.first, 2))
        (CaptionOf(window) == shared.caption ? shared.firstWindow : shared.preview) = window;
    const std::vector<HWND> second = ShownWindowsOf(shared.second, 1);
    shared.secondWindow = second.empty() ? nullptr : second.front();
    shared.fixture = CreateFixtureWindow({shared.caption});
    return shared;
}

void CloseSharedCaption(SharedCaption& shared) {
    EndProgram(shared.first);
    EndProgram(shared.second);
    DestroyFixtureWindow(shared.fixture);
    DeleteFileA(ProgramPath(shared.secondProgram).c_str());
}

TEST(Naming, PanefitWaitOptionsPickTheWindow) {
    SharedCaption shared = ShowSharedCaption();
    ASSERT_TRUE(shared.firstWindow && shared.preview && shared.secondWindow);
    const std::string& caption = shared.caption;
    const std::string quoted = "\"" + caption + "\"";
    const std::string syntaxError =
        Lines({"Syntax Error.", "Usage: panefit-wait WxH \"dialog caption, all or part\" [seconds] [options]",
               "    or panefit-wait WxH #12345 [seconds] (hash followed by dialog handle)"});
    const std::string noDialog = "No dialog found.\r\n";
    const struct {
        std::string arguments; // after the size
        HWND sized;            // the one window found and sized, if any
        std::string output;    // when none is sized
        DWORD exitCode;
    } rows[] = {
        {quoted + " /exact /program:window_patterns 2", shared.firstWindow, "", 0}, // not its " - Preview"
        {"\"report " + caption.substr(7) + "\" /class:panefixture 2", shared.fixture, "", 0},
        {quoted + " /program:REPORT 2", shared.secondWindow, "", 0}, // without ".exe", in another case
        {quoted + " 2 /program:report.exe /Class:PanePattern", shared.secondWindow, "", 0},
        {"\"\" /program:report.exe 2", shared.secondWindow, "", 0}, // any caption of that program
        {quoted + " \"/program:" + shared.secondProgram + ".exe\" 2", shared.secondWindow, "", 0}, // its path
        {"\"Preview\" /program:report 1", nullptr, noDialog, 1},
        {quoted + " /class:Nope 1", nullptr, noDialog, 1},
        {"#" + Number(shared.fixture) + " /program:report 1", nullptr, noDialog, 1}, // by handle too
        {quoted + " /bogus", nullptr, syntaxError, 3},
        {quoted + " /exact /EXACT", nullptr, syntaxError, 3},
        {quoted + " /class:", nullptr, syntaxError, 3},
        {"\"\" /exact /program:report", nullptr, syntaxError, 3}, // no caption to be whole
        {"#" + Number(shared.fixture) + " /exact", nullptr, syntaxError, 3},
        {quoted + " 2 3", nullptr, syntaxError, 3},
    };
    int sizes = 0;
    for (const auto& row : rows) {
        const std::string size = std::to_string(400 + sizes) + "x" + std::to_string(300 + sizes);
        const std::string commandLine = "panefit-wait " + size + " " + row.arguments;
        const ProgramRun run = RunThroughPipe("panefit-wait", commandLine, 20000);
        if (row.sized) {
            ExpectRun(run, Lines({Found(row.sized, CaptionOf(row.sized)), "Size set to " + size}),
                      commandLine);
            EXPECT_EQ(SizeOf(row.sized), size) << commandLine;
            ++sizes;
        } else {
            ExpectRun(run, row.output, commandLine, row.exitCode);
        }
    }
    // The several list shows only the windows the options take.
    const std::string several = "panefit-wait 640x480 " + quoted + " /program:window_patterns 1";
    std::vector<std::string> listed = {"Several dialogs found, please specify which one to take:"};
    for (HWND window : InEnumOrder({shared.firstWindow, shared.preview}))
        listed.push_back("  #" + Number(window) + ":" + CaptionOf(window));
    ExpectRun(RunThroughPipe("panefit-wait", several, 20000), Lines(listed), several, 2);
    CloseSharedCaption(shared);
}

// Records of an RFC 4180 text: fields split at commas outside quotes, a
// doubled quote inside them one quote, records ended by CR LF.
std::vector<std::vector<std::string>> CsvRecords(const std::string& text) {
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool pair = i + 1 < text.size() && text[i + 1] == (c == '"' ? '"' : '\n');
        if (quoted && c == '"' && !pair)
            quoted = false;
        else if (!quoted && c == '"')
            quoted = true;
        else if (!quoted && c == ',')
            records.back().emplace_back();
        else if (!quoted && c == '\r' && pair)
            records.emplace_back(1);
        else
            records.back().back() += c;
        i += pair && (c == '"' || !quoted) ? 1 : 0;
    }
    records.pop_back(); // the empty one after the last CR LF
    return records;
}

TEST(Naming, PanelistListsWhatAScriptCanName) {
    SharedCaption shared = ShowSharedCaption();
    ASSERT_TRUE(shared.firstWindow && shared.preview && shared.secondWindow);
    const std::string word = shared.caption.substr(7);
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string thisProgram = std::string(self).substr(std::string(self).rfind('\\') + 1);
    HWND prompt =
        CreateFixtureWindow({"cmd.exe - panelist " + shared.caption}); // its own console: never listed
    HWND hidden = CreateFixtureWindow({"Hidden " + word, nullptr, WS_OVERLAPPED | WS_CAPTION});
    HWND maximised = CreateFixtureWindow(
        {"State " + word, nullptr, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | WS_MAXIMIZE});
    HWND quotes = CreateFixtureWindow({"Say \"hi\", " + word});
    HWND untitled = CreateFixtureWindow({""});
    struct Expected {
        HWND window;
        std::string state, program, className;
    };
    const std::vector<Expected> windows = {
        {shared.firstWindow, "shown", "window_patterns.exe", "PanePattern"},
        {shared.preview, "shown", "window_patterns.exe", "PanePattern"},
        {shared.secondWindow, "shown", "report.exe", "PanePattern"},
        {shared.fixture, "shown", thisProgram, FixtureClass},
        {hidden, "hidden", thisProgram, FixtureClass},
        {maximised, "maximised", thisProgram, FixtureClass},
        {quotes, "shown", thisProgram, FixtureClass},
        {untitled, "shown", thisProgram, FixtureClass},
    };
    // What panelist must write of these windows, field by field, in
    // EnumWindows order: handle, width, height, state, program, class, caption.
    const auto fieldsOf = [&](const std::vector<HWND>& wanted) {
        std::vector<std::vector<std::string>> records;
        for (HWND window : InEnumOrder(wanted)) {
            const Expected& row = *std::find_if(windows.begin(), windows.end(), [&](const Expected& known) {
                return known.window == window;
            });
            const std::string size = SizeOf(window);
            records.push_back({"#" + Number(window), size.substr(0, size.find('x')),
                               size.substr(size.find('x') + 1), row.state, row.program, row.className,
                               CaptionOf(window)});
        }
        return records;
    };
    const auto listing = [&](const std::vector<HWND>& wanted) {
        std::vector<std::string> lines;
        for (const std::vector<std::string>& f : fieldsOf(wanted))
            lines.push_back(f[0] + " " + f[1] + "x" + f[2] + " " + f[3] + " " + f[4] + " " + f[5] + " \"" +
                            f[6] + "\"");
        return lines;
    };
    const std::vector<HWND> reports = {shared.firstWindow, shared.preview, shared.secondWindow,
                                       shared.fixture};
    const std::string syntaxError =
        Lines({"Syntax Error.", "Usage: panelist [/all] [/csv] [\"caption, all or part\"]",
               "Lists the shown windows that have a caption (/all: every window):"});
    const struct {
        std::string tail;
        std::vector<HWND> listed;
        DWORD exitCode;
        std::string output; // when nothing is listed
    } rows[] = {
        {shared.caption, reports, 0, ""}, // the whole tail, no quotes needed
        {"\"report " + word + " - PREVIEW\"", {shared.preview}, 0, ""},
        {"State " + word, {maximised}, 0, ""},
        {"Nothing " + word, {}, 1, ""},
        {"Hidden " + word, {}, 1, ""}, // hidden: only with /all
        {"/ALL Hidden " + word, {hidden}, 0, ""},
        {"/all /all " + word, {}, 3, syntaxError},
        {"/bogus " + word, {}, 3, syntaxError},
    };
    for (const auto& row : rows) {
        const std::string commandLine = "panelist " + row.tail;
        const std::string expected = row.listed.empty() ? row.output : Lines(listing(row.listed));
        ExpectRun(RunThroughPipe("panelist", commandLine, 20000), expected, commandLine, row.exitCode);
    }

    // CSV, read back as CSV: a quote and a comma in a caption survive.
    std::vector<std::vector<std::string>> records = {
        {"Handle", "Width", "Height", "State", "Program", "Class", "Caption"}};
    for (const std::vector<std::string>& record : fieldsOf(
             {shared.firstWindow, shared.preview, shared.secondWindow, shared.fixture, maximised, quotes}))
        records.push_back(record);
    const ProgramRun csv = RunThroughPipe("panelist", "panelist /csv " + word, 20000);
    EXPECT_EQ(csv.exitCode, 0u);
    EXPECT_EQ(CsvRecords(csv.output), records) << csv.output;
    ExpectRun(RunThroughPipe("panelist", "panelist /csv Nothing " + word, 20000),
              "Handle,Width,Height,State,Program,Class,Caption\r\n", "no record", 1);

    // With no caption part: every shown window with a caption; /all adds
    // the captionless.
    const std::string untitledLine = listing({untitled}).front() + "\r\n";
    EXPECT_EQ(RunThroughPipe("panelist", "panelist", 20000).output.find(untitledLine), std::string::npos);
    EXPECT_NE(RunThroughPipe("panelist", "panelist /all", 20000).output.find(untitledLine),
              std::string::npos);
    for (HWND window : {prompt, hidden, maximised, quotes, untitled})
        DestroyFixtureWindow(window);
    CloseSharedCaption(shared);
}

} // namespace
