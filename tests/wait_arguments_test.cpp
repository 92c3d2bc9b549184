#include "wait/wait_arguments.h"

#include <gtest/gtest.h>

namespace {

TEST(WaitArguments, ReadWaitLimit) {
    const struct {
        std::string argument;
        bool valid;
        std::uint32_t seconds;
    } rows[] = {
        {"", true, 30}, // no argument 3
        {"0", true, 0},           {" 15 ", true, 15}, {"0010", true, 10}, {"4294967295", true, 4294967295u},
        {"4294967296", false, 0},                                         // beyond 32 bits
        {"-1", false, 0},         {"1.5", false, 0},  {"&H1E", false, 0}, // digits only, no radix forms
        {"Setup", false, 0}, // the second word of an unquoted caption
        {"\t5", false, 0},
    };
    for (const auto& row : rows) {
        const WaitLimit limit = ReadWaitLimit(row.argument);
        EXPECT_EQ(limit.valid, row.valid) << row.argument;
        if (row.valid) {
            EXPECT_EQ(limit.seconds, row.seconds) << row.argument;
        }
    }
}

TEST(WaitArguments, CanNameDialog) {
    const struct {
        std::string argument;
        bool can;
    } rows[] = {
        {"Page Setup", true}, {"#1312", true},      {"#4294967295", true},
        {"#&H520", true},     {"#1312:Page", true}, // a result line without its "#" names its handle
        {"", false},                                // missing, or typed as ""
        {"#", false},         {"#abc", false},      {"#0", false}, // no handle is 0
        {"#-5", false},       {"#1312.5", false},   {"#4294967296", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CanNameDialog(row.argument), row.can) << row.argument;
}

TEST(WaitArguments, ReadWaitRequest) {
    const struct {
        std::vector<std::string> arguments; // after the size
        bool valid;
        std::string dialog;
        std::uint32_t seconds;
        bool exact;
        std::string className, program;
    } rows[] = {
        {{" \"Page\" "}, true, "Page", 30, false, "", ""},
        {{"Page", "20"}, true, "Page", 20, false, "", ""},
        {{"Page", "/exact", "20"}, true, "Page", 20, true, "", ""}, // options before the limit...
        {{"Page", "20", "/EXACT"}, true, "Page", 20, true, "", ""}, // ...or after it, in any case
        {{"Page", "/Class:My Class", "/program: setup "}, true, "Page", 30, false, "My Class", "setup"},
        {{"", "/program:setup.exe", "5"}, true, "", 5, false, "", "setup.exe"}, // any caption
        {{"", "/class:Dialog"}, true, "", 30, false, "Dialog", ""},
        {{"#1312", "/class:Dialog"}, true, "#1312", 30, false, "Dialog", ""},
        {{}, false, "", 30, false, "", ""},
        {{""}, false, "", 30, false, "", ""},
        {{"", "20"}, false, "", 20, false, "", ""},
        {{"", "/exact", "/class:X"}, false, "", 30, true, "X", ""}, // no caption to be whole
        {{"#1312", "/exact"}, false, "#1312", 30, true, "", ""},
        {{"Page", "/bogus"}, false, "Page", 30, false, "", ""},
        {{"Page", "/exactly"}, false, "Page", 30, false, "", ""},
        {{"Page", "/exact", "/exact"}, false, "Page", 30, true, "", ""}, // twice
        {{"Page", "/class:A", "/CLASS:B"}, false, "Page", 30, false, "B", ""},
        {{"Page", "/class:"}, false, "Page", 30, false, "", ""}, // no name
        {{"Page", "/program:  "}, false, "Page", 30, false, "", ""},
        {{"Page", "20", "30"}, false, "Page", 30, false, "", ""}, // a second limit
        {{"Page", "Setup"}, false, "Page", 0, false, "", ""},     // an unquoted caption's second word
    };
    for (const auto& row : rows) {
        const WaitRequest request = ReadWaitRequest(row.arguments);
        const std::string what = row.arguments.empty() ? "(none)" : row.arguments.back();
        EXPECT_EQ(request.valid, row.valid) << what;
        if (request.valid) {
            EXPECT_EQ(request.dialog, row.dialog) << what;
            EXPECT_EQ(request.seconds, row.seconds) << what;
            EXPECT_EQ(request.exact, row.exact) << what;
            EXPECT_EQ(request.className, row.className) << what;
            EXPECT_EQ(request.program, row.program) << what;
        }
    }
}

} // namespace
