#include "front/wanted_size.h"

#include <gtest/gtest.h>

namespace {

TEST(WantedSize, ReadWantedSize) {
    const struct {
        std::string argument;
        bool hasSeparator;
        std::int32_t width, height;
    } rows[] = {
        {"640x480", true, 640, 480},
        {"640X480", true, 640, 480},
        {"  640x480  ", true, 640, 480},
        {"640 x 480", true, 640, 480}, // one quoted argument: H skips its blank
        {"-1x-2", true, -1, -2},
        {"-1.5x-0.5", true, -2, 0}, // ties to even
        {"x", true, 0, 0},          // a lone x asks for 0 by 0
        {"640x", true, 640, 0},
        {"x480", true, 0, 480},
        {"0x280", true, 0, 280}, // a C hex prefix: its x is the separator
        {"&H280x&H1E0", true, 640, 480},
        {"99999999999x1", true, INT32_MIN, 1}, // beyond 32 bits
        {"2147483647x-2147483648", true, 2147483647, INT32_MIN},
        {"abcxdef", true, 0, 0},
        {"640x480x2", true, 640, 480}, // the first x separates
        {"-3x-4", true, -3, -4},
        {"640", false, 0, 0},
        {"", false, 0, 0},
        {"/?", false, 0, 0},
        {"\t640x480", true, 640, 480}, // the TAB stays, and ParseNumber skips it
    };
    for (const auto& row : rows) {
        const WantedSize size = ReadWantedSize(row.argument);
        EXPECT_EQ(size.hasSeparator, row.hasSeparator) << row.argument;
        if (row.hasSeparator) {
            EXPECT_EQ(size.width, row.width) << row.argument;
            EXPECT_EQ(size.height, row.height) << row.argument;
        }
    }
}

} // namespace
