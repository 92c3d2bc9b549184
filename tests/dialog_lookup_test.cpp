#include "search/dialog_lookup.h"
#include "search/window_handle.h"
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
    const std::string accented = "\xc9t\xe9 " + word; // code page 1252
    HWND dialog = CreateFixtureWindow({pageSetup});
    HWND button = CreateFixtureWindow({"Page setup " + word + " now", dialog, WS_VISIBLE});
    HWND other = CreateFixtureWindow({accented});
    HWND colons = CreateFixtureWindow({"a:b " + word + ":c:"});

    ExpectRows({
        {"CAP:page setup " + word,
         {LineOf(dialog, pageSetup), LineOf(button, "Page setup " + word + " now")}},
        {"cap:PAGE SETUP " + word + " NOW", {LineOf(button, "Page setup " + word + " now")}},
        {"CAP:\xe9T\xc9 " + word, {LineOf(other, accented)}},
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

} // namespace
