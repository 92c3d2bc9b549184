#include "list/window_list.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowList, ReadListRequest) {
    const struct {
        std::string tail;
        bool valid, all, csv;
        std::string captionPart;
    } rows[] = {
        {"", true, false, false, ""},
        {"/ALL /csv  Page Setup ", true, true, true, "Page Setup"}, // options in any case, then the caption
        {"\"/tmp\"", true, false, false, "/tmp"},                   // quoted: a caption, not an option
        {"Page /all", true, false, false, "Page /all"},             // options come first only
        {"/csv\t\" Page \"", false, false, false, ""},              // "/csv\t..." is no option of ours
        {"/all/csv", false, false, false, ""},
        {"/x Page", false, false, false, ""},
        {"/csv /CSV", false, false, false, ""}, // twice
    };
    for (const auto& row : rows) {
        const ListRequest request = ReadListRequest(row.tail);
        EXPECT_EQ(request.valid, row.valid) << row.tail;
        EXPECT_EQ(request.all, row.all) << row.tail;
        EXPECT_EQ(request.csv, row.csv) << row.tail;
        EXPECT_EQ(request.captionPart, row.captionPart) << row.tail;
    }
}

} // namespace
