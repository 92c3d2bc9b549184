// panefit-wait's waiting: for exactly one shown window whose program
// answers, then for the size it was given to hold. Writes panefit's lines for
// the outcome, and nothing while it waits. Keeps no state between calls.
#pragma once

#include "front/wanted_size.h"
#include "wait/wait_arguments.h"

// panefit-wait's exit codes, one per outcome.
enum WaitOutcome { SizeSet = 0, NoDialogInTime = 1, SeveralDialogs = 2, OtherOutcome = 3, OtherSizeHeld = 4 };

// Searches two to four times a second until the request's dialog matches a
// shown window of the class and program its options name, or several, or the
// limit has passed; hidden windows, ghost windows, and by caption controls
// and other windows inside another, count for nothing. Several: their list at
// once. One: once its program answers and it is not minimised, it is restored
// if maximised and gets the wanted size, never activated, and that size is
// set again whenever the program changes it within half a second of the last
// setting; "Size set to" and the size the window holds are written once that
// size has held for half a second (SizeSet when it is the size asked for,
// OtherSizeHeld when the window keeps to another). A window that closes or
// hides meanwhile sends the wait back to searching. A window that still does
// not answer, is still minimised, has gone or still changes its size when the
// limit has passed is written with the "Size not set" line that says so.
WaitOutcome WaitAndSetDialogSize(const WaitRequest& request, const WantedSize& wanted);
