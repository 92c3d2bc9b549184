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

} // namespace
