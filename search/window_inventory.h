// The window inventory: the handles that one dialog lookup scans. Owns the
// list, which CollectWindows refills and which then lives unchanged until the
// next CollectWindows. Also lists the top-level windows alone, into a list
// of the caller's.
#pragma once

#include <windows.h>

#include <vector>

using WindowInventory = std::vector<HWND>;

// Room reserved up front; a desktop with more windows still gets them all.
constexpr int MaxWindows = 5000;

// Empties the inventory and records, in EnumWindows order, every top-level
// window, each visible one followed by all its descendants, except windows
// whose class is exactly one of NoDescentClasses (letter case counts).
// Hidden top-level windows and those classes are recorded without descendants.
void CollectWindows();

// The inventory as the last CollectWindows left it.
const WindowInventory& CollectedWindows();

// Every top-level window, in EnumWindows order, and nothing read of them: a
// fresh list apart from the inventory, for the searches that look at
// windows of their own only.
std::vector<HWND> TopLevelWindows();
