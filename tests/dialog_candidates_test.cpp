#include "search/window_facts.h"
#include "wait/dialog_candidates.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogCandidates, ProgramMatches) {
    const std::string path = "C:\\Program Files\\Product\\Setup.exe";
    const struct {
        std::string path, name;
        bool matches;
    } rows[] = {
        {path, "setup.exe", true},
        {path, "SETUP", true}, // without ".exe", in any case
        {path, "Setup.ex", false},
        {path, "etup", false},
        {path, "c:\\program files\\product\\setup.exe", true}, // a backslash: the whole path
        {path, "C:\\Program Files\\Product\\Setup", true},
        {path, "Product\\Setup.exe", false},
        {"C:\\Tools\\report", "report", true}, // a program without extension
        {"C:\\Tools\\report", "report.exe", false},
        {"", "setup", false}, // not readable: matches nothing
        {"", "", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ProgramMatches(row.path, row.name), row.matches) << row.path << " / " << row.name;
    EXPECT_TRUE(IsGhostClass("Ghost"));
    EXPECT_TRUE(IsGhostClass("GHOST"));
    EXPECT_FALSE(IsGhostClass("Ghostly"));
}

} // namespace
