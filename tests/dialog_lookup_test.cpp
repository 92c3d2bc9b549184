#include "search/dialog_lookup.h"
#include "search/dialog_query.h"
#include "search/window_handle.h"
#include "search/window_inventory.h"
#include "tests/window_fixture.h"
#include "text/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

std::string LineOf(HWND window, const std::string& caption) {
    return "#" + std::to_string(HandleNumber(window)) + ":" + caption;
}

std::string Number(HWND window) {
    return std::to_string(HandleNumber(window));
}

// FindDialogs, checking that the count it returns is the number of lines.
std::vector<std::string> Find(const std::string& query) {
    std::vector<std::string> results = {"left over from an earlier call"};
    const int count = FindDialogs(query, results);
    EXPECT_EQ(static_cast<std::size_t>(count), results.size()) << query;
    return results;
}

struct QueryRow {
    std::string query;
    std::vector<std::string> lines;
};

void ExpectRows(const std::vector<QueryRow>& rows) {
    for (const QueryRow& row : rows)
        EXPECT_EQ(Find(row.query), row.lines) << row.query;
}

TEST(DialogLookup, CaptionQueries) {
    const std::string word = UniqueWord();
    const std::string pageSetup = "Page Setup " + word;
    const std::string accented = "\xc3\x89t\xc3\xa9 " + word;
    HWND dialog = CreateFixtureWindow({pageSetup});
    HWND button = CreateFixtureWindow({"Page setup " + word + " now", dialog, WS_VISIBLE});
    HWND other = CreateUnicodeWindow(WideFromText(accented));
    HWND colons = CreateFixtureWindow({"a:b " + word + ":c:"});

    ExpectRows({
        {"CAP:page setup " + word,
         {LineOf(dialog, pageSetup), LineOf(button, "Page setup " + word + " now")}},
        {"cap:PAGE SETUP " + word + " NOW", {LineOf(button, "Page setup " + word + " now")}},
        {"CAP:\xc3\xa9T\xc3\x89 " + word, {LineOf(other, accented)}},
        {"CAP:" + word + ":c", {LineOf(colons, "a:b " + word + ":c:")}},
        {"CAP:page  setup " + word, {}}, // two blanks
        {"CAP:" + word + "x", {}},
        {"XYZ:" + word, {}}, // neither prefix
        {"CAP", {}},
        {"", {}},
    });
    for (HWND window : {dialog, other, colons})
        DestroyFixtureWindow(window);
}

TEST(DialogLookup, CaptionsAreCutAndTrimmed) {
    const std::string word = UniqueWord();
    const std::string longCaption = word + std::string(300 - word.size(), 'L');
    HWND longWindow = CreateFixtureWindow({longCaption});
    HWND padded = CreateFixtureWindow({"   " + word + " padded \t  "});
    HWND blank = CreateFixtureWindow({"    "});
    const std::string blankLine = LineOf(blank, "");

    ExpectRows({
        {"CAP:" + word + "LLL", {LineOf(longWindow, longCaption.substr(0, 259))}},
        {"CAP:" + std::string(260 - word.size(), 'L'), {}}, // one byte more than was read
        {"CAP:" + word + " padded", {LineOf(padded, word + " padded \t")}},
        {"HND:" + Number(blank), {blankLine}},
    });
    EXPECT_EQ(blankLine.back(), ':');
    for (HWND window : {longWindow, padded, blank})
        DestroyFixtureWindow(window);
}

TEST(DialogLookup, EmptyCaptionListsEveryNonEmptyCaption) {
    const std::string word = UniqueWord();
    HWND named = CreateFixtureWindow({"Named " + word});
    HWND unnamed = CreateFixtureWindow({""});
    const std::string marker = "cmd.exe - " + ProgramBaseName();
    HWND prompt = CreateFixtureWindow({"Administrator: " + marker + "  " + word});

    const std::vector<std::string> lines = Find("CAP:");
    auto listed = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(listed(LineOf(named, "Named " + word)));
    EXPECT_FALSE(listed(LineOf(unnamed, "")));
    EXPECT_FALSE(listed(LineOf(prompt, CaptionOf(prompt))));
    for (const std::string& line : lines)
        EXPECT_EQ(line.find(marker), std::string::npos) << line;
    for (HWND window : {named, unnamed, prompt})
        DestroyFixtureWindow(window);
}

TEST(DialogLookup, OwnCommandPromptIsSkipped) {
    const std::string word = UniqueWord();
    const std::string own = "Command Prompt - " + UpperText("cmd.exe - " + ProgramBaseName()) + " " + word;
    const std::string another = "cmd.exe - other_tool " + word;
    HWND ownPrompt = CreateFixtureWindow({own});
    HWND otherPrompt = CreateFixtureWindow({another});

    ExpectRows({
        {"CAP:" + word, {LineOf(otherPrompt, another)}},
        {"HND:" + Number(ownPrompt), {LineOf(ownPrompt, own)}}, // a handle finds it all the same
    });
    DestroyFixtureWindow(ownPrompt);
    DestroyFixtureWindow(otherPrompt);
}

TEST(DialogLookup, HandleQueries) {
    const std::string word = UniqueWord();
    const std::string caption = "Handle " + word;
    HWND dialog = CreateFixtureWindow({caption});
    HWND control = CreateFixtureWindow({"OK", dialog, WS_VISIBLE});
    HWND hidden = CreateFixtureWindow({"Hidden " + word, nullptr, WS_OVERLAPPED | WS_CAPTION});
    HWND hiddenControl = CreateFixtureWindow({"Inside", hidden, WS_VISIBLE});
    char hex[32];
    wsprintfA(hex, "&H%X", HandleNumber(dialog));
    const std::string line = LineOf(dialog, caption);

    ExpectRows({
        {"HND:" + Number(dialog), {line}},
        {"hnd:" + Number(dialog), {line}},
        {"HND:" + std::string(hex), {line}},
        {"HND: " + Number(dialog) + "abc", {line}},
        {"HND:" + line.substr(1), {line}}, // a result line without its "#"
        {"HND:" + Number(control), {LineOf(control, "OK")}},
        {"HND:" + Number(hidden), {LineOf(hidden, "Hidden " + word)}},
        {"HND:" + Number(hiddenControl), {}}, // not recorded
        {"HND:" + Number(dialog) + ".5", {}}, // a fraction is no handle
        {"HND:-" + Number(dialog), {}},
        {"HND:", {}},
        {"HND:abc", {}},
        {"HND:#" + Number(dialog), {}},
    });
    DestroyFixtureWindow(dialog);
    DestroyFixtureWindow(hidden);
}

// Far more windows than the room reserved up front: none may be missed.
TEST(DialogLookup, ABusyDesktopIsSearchedToTheEnd) {
    const std::string word = UniqueWord();
    HWND top = CreateFixtureWindow({"Crowd " + word});
    HWND last = AddCrowd(top, 6000, "Last " + word);
    ASSERT_NE(last, nullptr);

    const auto start = std::chrono::steady_clock::now();
    ExpectRows({
        {"CAP:last " + word, {LineOf(last, "Last " + word)}},
        {"HND:" + Number(last), {LineOf(last, "Last " + word)}},
    });
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("two lookups over more than 6001 windows: %.2f s\n", took.count());
    DestroyFixtureWindow(top);
}

// The lookup as its calls were first written, for comparison: every
// top-level window's class name read before its visibility, and the caption
// of every recorded window read, whatever the query.
std::vector<HWND> literalInventory;

BOOL CALLBACK LiteralChild(HWND window, LPARAM) {
    literalInventory.push_back(window);
    return TRUE;
}

BOOL CALLBACK LiteralTopLevel(HWND window, LPARAM) {
    char className[260] = {};
    GetClassNameA(window, className, sizeof className);
    literalInventory.push_back(window);
    const std::string name = className;
    for (const char* stop : {"COMBOBOX", "COMBOBOXEX32", "SYSIPADDRESS32", "SYSLISTVIEW32", "SYSTABCONTROL32",
                             "SYSDATATIMEPICK32"})
        if (name == stop)
            return TRUE;
    if (IsWindowVisible(window))
        EnumChildWindows(window, LiteralChild, 0);
    return TRUE;
}

std::vector<std::string> LiteralAnswer(const std::string& query) {
    literalInventory.clear();
    EnumWindows(LiteralTopLevel, 0);
    // This process has no console title that shows a command.
    const DialogQuery read =
        ReadDialogQuery(query, ProgramBaseName(), {HandleNumber(GetConsoleWindow()), ""});
    std::vector<std::string> lines;
    for (HWND window : literalInventory) {
        wchar_t text[260] = {};
        GetWindowTextW(window, text, 260);
        const std::string caption = TextFromWide(text);
        if (WindowMatches(read, HandleNumber(window), caption))
            lines.push_back(ResultLine(HandleNumber(window), caption));
    }
    return lines;
}

// Fewer calls, the same answers: hidden top-level windows are not asked their
// class, and a handle query reads one caption. One spelling of the six
// no-descent classes at a time, as a process can hold only one.
TEST(DialogLookup, SameAnswersAsTheLiteralCalls) {
    const std::vector<std::vector<std::string>> spellings = {
        {"COMBOBOX", "COMBOBOXEX32", "SYSIPADDRESS32", "SYSLISTVIEW32", "SYSTABCONTROL32",
         "SYSDATATIMEPICK32"},
        {"ComboBox", "ComboBoxEx32", "SysIPAddress32", "SysListView32", "SysTabControl32",
         "SysDataTimePick32"},
    };
    for (const std::vector<std::string>& classes : spellings) {
        const std::string word = UniqueWord();
        std::vector<HWND> made;
        auto make = [&](const std::string& caption, HWND parent, bool visible, const std::string& className) {
            const DWORD style = WS_OVERLAPPED | WS_CAPTION | (visible ? WS_VISIBLE : 0);
            made.push_back(CreateFixtureWindow({caption, parent, style, className}));
            return made.back();
        };
        HWND dialog = make("Dialog " + word, nullptr, true, FixtureClass);
        HWND hidden = make("Hidden " + word, nullptr, false, FixtureClass);
        make("Inside hidden " + word, hidden, true, FixtureClass);
        for (const std::string& name : classes) {
            ASSERT_TRUE(RegisterFixtureClass(name)) << name;
            for (bool visible : {true, false}) {
                HWND top = make(name + " top " + word, nullptr, visible, name);
                make("below " + name + " " + word, top, true, FixtureClass);
            }
            HWND control = make(name + " control " + word, dialog, true, name);
            HWND inner = make("inner " + word, control, false, FixtureClass);
            make("", inner, true, FixtureClass);
        }
        std::vector<std::string> queries = {
            "CAP:" + word, "cap:INNER " + word, "CAP:", "CAP:below sys", "HND:", "HND:0", "XYZ:" + word};
        for (HWND window : made)
            queries.push_back("HND:" + Number(window));
        char hex[32];
        wsprintfA(hex, "hnd:&H%X", HandleNumber(made.back()));
        queries.push_back(hex);

        // Wine may restack new windows a moment after showing them, so the
        // lookup counts only between two literal walks that agree.
        for (const std::string& query : queries) {
            std::vector<std::string> results, literal;
            WindowInventory inventory, walkedBefore;
            for (int attempt = 0; attempt < 50; ++attempt) {
                const std::vector<std::string> before = LiteralAnswer(query);
                walkedBefore = literalInventory;
                results.clear();
                FindDialogs(query, results);
                inventory = CollectedWindows();
                literal = LiteralAnswer(query);
                if (literal == before && literalInventory == walkedBefore)
                    break;
                Sleep(20);
            }
            EXPECT_EQ(results, literal) << query;
            EXPECT_EQ(inventory, literalInventory) << query;
        }
        DestroyFixtureWindow(dialog);
        DestroyFixtureWindow(hidden);
        for (HWND window : made)
            if (IsWindow(window) && !GetParent(window))
                DestroyFixtureWindow(window);
        for (const std::string& name : classes)
            UnregisterFixtureClass(name);
    }
}

} // namespace
