// panefit-wait's waiting: for exactly one shown window whose program
// answers, then for the size it was given to hold. Writes panefit's lines for
// the outcome, and nothing while it waits. Keeps no state between calls.
#pragma once

#include "front/wanted_size.h"

#include <cstdint>
#include <string>

// panefit-wait's exit codes, one per outcome.
enum WaitOutcome { SizeSet = 0, NoDialogInTime = 1, SeveralDialogs = 2, OtherOutcome = 3 };

// Searches two to four times a second until the dialog argument matches a
// shown window, or several, or the limit has passed; hidden windows, and by
// caption controls and other windows inside another, count for nothing.
// Several: their list at once. One: once its program answers and it is not
// minimised, it gets the wanted size, and that size is set again whenever
// the program changes it within half a second of the last setting; "Size
// set to" and the size the window holds are written once that size has held
// for half a second. A window that still does not answer, is still
// minimised, or still changes its size when the limit has passed is written
// with the "Size not set" line that says so.
WaitOutcome WaitAndSetDialogSize(const std::string& dialogArgument, const WantedSize& wanted,
                                 std::uint32_t seconds);
