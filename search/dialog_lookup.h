// Finding dialogs: the one entry point of the window search. Keeps nothing
// between calls but the window inventory, which each call refills.
#pragma once

#include <string>
#include <vector>

// Answers "CAP:" + caption part or "HND:" + handle over a fresh inventory of
// the desktop's windows: results is emptied and gets one result line
// ("#1312:Page Setup") per matching window, in inventory order. Returns the
// number of matches; a query of neither kind matches nothing.
int FindDialogs(std::string query, std::vector<std::string>& results);
