// panefit's own steps, which panefit-wait takes too: reading the size
// argument and giving the one dialog found its new outer size. Nothing here
// keeps state.
#pragma once

#include "front/flow.h"
#include "front/wanted_size.h"

#include <cstdint>

// Reads the size argument (argument 1). When it has no "x" it writes
// "Syntax Error." and the program's first two usage lines, and the result
// has no separator: the run is over, and no window is searched.
WantedSize ReadSizeArgument(const std::string& argument, const ProgramTexts& program);

// The size the window is to get: -1 and -2 resolved against its current size
// and the work area, both read now, whether or not a side is special.
PixelSize SizeToSet(const FoundDialog& dialog, const WantedSize& wanted);

// The found line, then "Size set to ..." or the "Size not set: ..." line of
// the Win32 error.
void WriteSizeSetLines(const FoundDialog& dialog, std::uint32_t error, const PixelSize& size);

// Resizes the window to SizeToSet, giving its program at most 5 seconds to
// answer and make the change, then writes its lines. Gives 0 when the size
// was set, else the error that the size line names.
std::uint32_t SetDialogSize(const FoundDialog& dialog, const WantedSize& wanted);
