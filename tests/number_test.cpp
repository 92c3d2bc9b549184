#include "text/number.h"

#include <gtest/gtest.h>

namespace {

TEST(Number, ParseNumberDecimal) {
    const struct {
        std::string text;
        Number value;
    } rows[] = {
        {"640", 640},
        {" 640", 640},
        {"\t\n 640", 640},
        {"\r640", 0}, // CR is not skipped
        {"+640", 640},
        {"640abc", 640},
        {"6.4e2", 640},
        {"6.4D2", 640},
        {"6400e-1", 640},
        {"640.5", 640.5L},
        {".5", 0.5L},
        {"5.", 5},
        {"1.2.3", 1.2L}, // a second point ends the number
        {"-1", -1},
        {"-1.5", -1.5L},
        {"6e", 6}, // an exponent letter without digits is exponent 0
        {"6e+", 6},
        {"6E+2x", 600},
        {"12:Caption", 12},
        {"640 480", 640},
        {"007", 7},
        {"0.000125", 0.000125L},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {".", 0},
        {"x", 0},
        {"+-1", 0},
        {"2147483647", 2147483647},
        {"4294967295", 4294967295.0L},
        {"-2147483649", -2147483649.0L},
        {"123456789012345678", 123456789012345678.0L},   // 18 digits are held exactly
        {"1234567890123456789", 1234567890123456780.0L}, // the 19th only shifts the point
        {"1e20", 1e20L},
        {"1e4932", 0x1p127L}, // would reach past the 80-bit format: a fixed large value
        {"-1e9999999", -0x1p127L},
        {"1e-4934", 0},
        {"0e9999", 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseNumber(row.text), row.value) << row.text;
}

TEST(Number, ParseNumberRadix) {
    const struct {
        std::string text;
        Number value;
    } rows[] = {
        {"&H280", 640},
        {"&h1e0", 480},
        {" &H280x&H1E0", 640},
        {"&HFFFF", -1}, // bit 15 of a 16-bit value: negative
        {"&H8000", -32768},
        {"&H7FFF", 32767},
        {"&H0FFFF", 65535}, // a leading 0 keeps it positive
        {"&HFFFF&", 65535}, // & keeps 16-bit values positive
        {"&HFFFF&&", 65535},
        {"&HFFFF%", -1},
        {"&HFFFFFFFF", -1}, // bit 31 of a 32-bit value: negative
        {"&H80000000", -2147483648.0L},
        {"&HFFFFFFFF&", -1}, // a single & does not protect 32 bits
        {"&HFFFFFFFF&&", 4294967295.0L},
        {"&H0FFFFFFFF", 4294967295.0L},
        {"&H100000000", 4294967296.0L},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0L},
        {"&H10000000000000000", 0}, // more than 64 bits
        {"&HFFFFFFFF?", 4294967295.0L},
        {"&HFFFF???", 65535},
        {"&H8000000000000000?", 0}, // bit 63 with "?"
        {"&B101", 5},
        {"&b1111111111111111", -1},
        {"&O17", 15},
        {"&Q17", 15},
        {"&17", 15}, // a bare & reads octal
        {"&18", 1},  // 8 is no octal digit
        {"&HG", 0},
        {"&", 0},
        {"&X12", 0},
        {"-&H10", 0}, // no sign before a radix form
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseNumber(row.text), row.value) << row.text;
}

TEST(Number, ToInt32) {
    const struct {
        Number value;
        std::int32_t result;
    } rows[] = {
        {640.5L, 640}, // ties go to the even neighbour
        {641.5L, 642},
        {0.5L, 0},
        {-0.5L, 0},
        {-1.5L, -2},
        {-2.5L, -2},
        {2.5L, 2},
        {3.5L, 4},
        {640.4999L, 640},
        {640.5001L, 641},
        {2147483647, 2147483647},
        {2147483647.4L, 2147483647},
        {2147483647.5L, INT32_MIN}, // rounds to 2147483648: out of range
        {2147483648.0L, INT32_MIN},
        {-2147483648.0L, INT32_MIN},
        {-2147483648.5L, INT32_MIN}, // even neighbour is -2147483648 itself
        {-2147483649.0L, INT32_MIN},
        {0x1p127L, INT32_MIN},
        {99999999999.0L, INT32_MIN},
        {-1, -1},
        {-2, -2},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ToInt32(row.value), row.result) << FormatNumber(row.value);
    EXPECT_EQ(ToInt32(-2147483647.5L), -2147483648); // ties to even inside the range
}

TEST(Number, FormatNumber) {
    const struct {
        Number value;
        std::string text;
    } rows[] = {
        {0, "0"},
        {-0.0L, "0"},
        {5, "5"},
        {-5, "-5"},
        {640, "640"},
        {2147483647, "2147483647"},
        {-2147483648.0L, "-2147483648"},
        {4294967295.0L, "4294967295"},
        {18446744073709551615.0L, "18446744073709551615"},
        {640.5L, "640.5"},
        {-0.25L, "-0.25"},
        {0x1p127L, "1.70141183460469E+38"},
        {1e-7L, "1E-7"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FormatNumber(row.value), row.text) << row.text;
}

TEST(Number, HandlesRoundTrip) {
    const std::uint32_t handles[] = {0, 1, 65535, 65536, 2147483647, 2147483648u, 4294967294u, 4294967295u};
    for (const std::uint32_t handle : handles) {
        const std::string line = "#" + FormatNumber(handle) + ":Caption";
        EXPECT_EQ(ToHandle(ParseNumber(line.substr(1))), handle) << line;
    }
    for (std::uint64_t handle = 1; handle <= 0xFFFFFFFF; handle = handle * 3 + 1)
        EXPECT_EQ(ToHandle(ParseNumber(FormatNumber(static_cast<Number>(handle)))), handle) << handle;
}

TEST(Number, ToHandle) {
    const struct {
        Number value;
        std::uint32_t handle;
    } rows[] = {
        {-1, 4294967295u},
        {4294967296.0L, 0}, // low 32 bits only
        {4294967297.0L, 1},
        {1312.5L, 1312}, // ties to even
        {1313.5L, 1314},
        {0x1p127L, 0}, // beyond 64 bits
        {-2147483648.0L, 2147483648u},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ToHandle(row.value), row.handle) << FormatNumber(row.value);
}

} // namespace
