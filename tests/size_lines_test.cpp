#include "front/size_lines.h"

#include <gtest/gtest.h>

namespace {

TEST(SizeLines, EachOutcomeHasItsLine) {
    const PixelSize size = {640, -4};
    const struct {
        std::uint32_t error;
        std::string set, read;
    } rows[] = {
        {0, "Size set to 640x-4", "Size: 640x-4"},
        {1460, "Size not set: the dialog is not responding.", "Size not read: error 1460."},
        {1400, "Size not set: the dialog has closed.", "Size not read: the dialog has closed."},
        {5, "Size not set: access denied (the dialog runs with higher rights).", "Size not read: error 5."},
        {87, "Size not set: error 87.", "Size not read: error 87."},
        {0x20000001, "Size not set: the dialog is minimised.", "Size not read: error 536870913."},
        {0x20000000, "Size not set: error 0.", "Size not read: error 0."}, // failed without a code
        {4294967295u, "Size not set: error 4294967295.", "Size not read: error 4294967295."}, // unsigned
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SizeSetLine(row.error, size), row.set) << row.error;
        EXPECT_EQ(SizeReadLine(row.error, size), row.read) << row.error;
    }
}

} // namespace
