#include "wait/wait_times.h"

#include <gtest/gtest.h>

namespace {

TEST(WaitTimes, ShareOfTheLimit) {
    const struct {
        std::uint64_t deadline, now;
        std::uint32_t answerMs, changeMs;
    } rows[] = {
        {10000, 0, 1000, 10000},
        {10000, 9700, 300, 350},
        {10000, 9900, 250, 350}, // at the limit a change still gets its shortest time
        {10000, 10000, 250, 350},
        {10000, 20000, 250, 350},                // past the limit
        {0x100000000 + 10, 0, 1000, 0xFFFFFFFE}, // would wrap to 10 ms in 32 bits
        {4294967295000ull, 0, 1000, 0xFFFFFFFE}, // the longest limit, never INFINITE
        {0xFFFFFFFF, 0, 1000, 0xFFFFFFFE},       // INFINITE's own value
        {0xFFFFFFFE + 5000ull, 5000, 1000, 0xFFFFFFFE},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(AnswerWaitMs(row.deadline, row.now), row.answerMs) << row.deadline << " " << row.now;
        EXPECT_EQ(ChangeBudgetMs(row.deadline, row.now), row.changeMs) << row.deadline << " " << row.now;
    }
}

} // namespace
