// Finding dialogs: the entry points of the window search. Keeps nothing
// between calls but the window inventory, which each FindDialogs refills.
#pragma once

#include "search/dialog_query.h"

#include <string>
#include <vector>

// Answers "CAP:" + caption part or "HND:" + handle over a fresh inventory of
// the desktop's windows: results is emptied and gets one result line
// ("#1312:Page Setup") per matching window, in inventory order. Returns the
// number of matches; a query of neither kind matches nothing.
int FindDialogs(std::string query, std::vector<std::string>& results);

// ReadDialogQuery for this program in the console it runs in: its own file
// name, its console's window and title.
DialogQuery ReadQueryHere(const std::string& query);

// Answers a query over the windows of their own that are shown, with no
// result lines: by caption only visible top-level windows have their
// caption read, in EnumWindows order; by handle only that window is read,
// top-level or not. Cloaked windows count as hidden. Keeps no inventory.
std::vector<FoundDialog> FindShownDialogs(const DialogQuery& query);
