#include "search/window_inventory.h"

#include "search/window_facts.h"
#include "search/window_handle.h"

namespace {

// Filled by CollectWindows through the two callbacks; lives until the next one.
WindowInventory inventory;

// Top-level windows of these classes are recorded but not descended into. The
// comparison is exact, so the usual mixed-case spellings ("SysListView32") do
// not match and such windows are descended like any other.
const char* const NoDescentClasses[] = {
    "COMBOBOX", "COMBOBOXEX32", "SYSIPADDRESS32", "SYSLISTVIEW32", "SYSTABCONTROL32", "SYSDATATIMEPICK32",
};

bool IsNoDescentClass(const std::string& className) {
    for (const char* name : NoDescentClasses)
        if (className == name)
            return true;
    return false;
}

BOOL CALLBACK OnChildWindow(HWND window, LPARAM) {
    inventory.push_back(window);
    return TRUE;
}

// A hidden window is never descended, whatever its class, so its class name
// is read only once it is known to be visible: most top-level windows of a
// desktop are hidden, and each read is a round trip to the window server.
BOOL CALLBACK OnTopLevelWindow(HWND window, LPARAM) {
    inventory.push_back(window);
    if (!IsWindowVisible(window))
        return TRUE;
    if (!IsNoDescentClass(WindowClassName(HandleNumber(window))))
        EnumChildWindows(window, OnChildWindow, 0);
    return TRUE;
}

BOOL CALLBACK AddToList(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

void CollectWindows() {
    inventory.clear();
    inventory.reserve(MaxWindows);
    EnumWindows(OnTopLevelWindow, 0);
}

const WindowInventory& CollectedWindows() {
    return inventory;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(AddToList, reinterpret_cast<LPARAM>(&windows));
    return windows;
}
