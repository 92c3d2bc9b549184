// panefit's own steps, which panefit-wait takes too: reading the size
// argument and giving the one dialog found its new outer size. Nothing here
// keeps state.
#pragma once

#include "front/flow.h"
#include "front/wanted_size.h"

#include <cstdint>

// Reads the size argument, argument 1. When it has no "x" it writes
// "Syntax Error." and the program's first two usage lines, and the result
// has no separator: the run is over, and no window is searched.
WantedSize ReadSizeArgument(const ProgramTexts& program);

// Reads the work area and the window's current size, resolves -1 and -2,
// resizes the window, then writes the found line and the size line. Gives
// 0 when the size was set, else the Win32 error that the size line names.
std::uint32_t SetDialogSize(const FoundDialog& dialog, const WantedSize& wanted);
