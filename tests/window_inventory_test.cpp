#include "search/window_inventory.h"
#include "tests/window_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Position of a window in the inventory, or -1 when it was not recorded.
std::ptrdiff_t PositionOf(HWND window) {
    const WindowInventory& windows = CollectedWindows();
    const auto at = std::find(windows.begin(), windows.end(), window);
    return at == windows.end() ? -1 : at - windows.begin();
}

TEST(WindowInventory, TopLevelWindowsComeBeforeTheirDescendants) {
    HWND dialog = CreateFixtureWindow({"Dialog " + UniqueWord()});
    HWND control = CreateFixtureWindow({"Control", dialog, WS_VISIBLE});
    HWND grandchild = CreateFixtureWindow({"Grandchild", control, WS_VISIBLE});
    HWND hiddenChild = CreateFixtureWindow({"Hidden child", dialog, 0}); // recorded: no test below the top
    HWND lonely = CreateFixtureWindow({"Lonely " + UniqueWord()});

    CollectWindows();
    const std::ptrdiff_t at = PositionOf(dialog);
    ASSERT_GE(at, 0);
    EXPECT_EQ(PositionOf(control), at + 1);
    EXPECT_EQ(PositionOf(grandchild), at + 2);
    EXPECT_EQ(PositionOf(hiddenChild), at + 3);
    EXPECT_GE(PositionOf(lonely), 0);

    // A second lookup starts afresh: nothing is recorded twice.
    const std::size_t count = CollectedWindows().size();
    CollectWindows();
    EXPECT_EQ(CollectedWindows().size(), count);
    EXPECT_EQ(std::count(CollectedWindows().begin(), CollectedWindows().end(), dialog), 1);

    DestroyFixtureWindow(dialog);
    DestroyFixtureWindow(lonely);
}

TEST(WindowInventory, HiddenTopLevelWindowsAreNotDescended) {
    HWND hidden = CreateFixtureWindow({"Hidden " + UniqueWord(), nullptr, WS_OVERLAPPED | WS_CAPTION});
    HWND child = CreateFixtureWindow({"Child", hidden, WS_VISIBLE});
    CollectWindows();
    EXPECT_GE(PositionOf(hidden), 0);
    EXPECT_EQ(PositionOf(child), -1);
    DestroyFixtureWindow(hidden);
}

// One class spelling at a time: class names are case-insensitive, so a
// process cannot hold both spellings at once.
TEST(WindowInventory, OnlyTheExactUpperCaseClassNamesStopTheDescent) {
    const struct {
        std::string className;
        bool descended;
    } rows[] = {
        {"SYSLISTVIEW32", false},     {"SysListView32", true},     {"COMBOBOXEX32", false},
        {"SYSDATATIMEPICK32", false}, {"SYSDATETIMEPICK32", true}, // the list spells it DATATIME
        {"SYSTABCONTROL32", false},   {"SYSIPADDRESS32", false},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(RegisterFixtureClass(row.className)) << row.className;
        HWND top = CreateFixtureWindow(
            {"Top " + UniqueWord(), nullptr, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, row.className});
        HWND child = CreateFixtureWindow({"Child", top, WS_VISIBLE});
        CollectWindows();
        EXPECT_GE(PositionOf(top), 0) << row.className;
        EXPECT_EQ(PositionOf(child) >= 0, row.descended) << row.className;
        DestroyFixtureWindow(top);
        UnregisterFixtureClass(row.className);
    }
}

TEST(WindowInventory, ANoDescentControlInsideADialogKeepsItsChildren) {
    ASSERT_TRUE(RegisterFixtureClass("COMBOBOX"));
    HWND dialog = CreateFixtureWindow({"Dialog " + UniqueWord()});
    HWND combo = CreateFixtureWindow({"", dialog, WS_VISIBLE, "COMBOBOX"});
    HWND edit = CreateFixtureWindow({"", combo, WS_VISIBLE});
    CollectWindows();
    const std::ptrdiff_t at = PositionOf(dialog);
    EXPECT_GE(at, 0);
    EXPECT_EQ(PositionOf(combo), at + 1);
    EXPECT_EQ(PositionOf(edit), at + 2);
    DestroyFixtureWindow(dialog);
    UnregisterFixtureClass("COMBOBOX");
}

} // namespace
