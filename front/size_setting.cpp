#include "front/size_setting.h"

#include "front/size_lines.h"
#include "front/window_size.h"
#include "search/console_line.h"
#include "text/text.h"

WantedSize ReadSizeArgument(const ProgramTexts& program) {
    const WantedSize size = ReadWantedSize(CommandArgument(1));
    if (!size.hasSeparator)
        WriteSyntaxError(program);
    return size;
}

// Both sizes are read even when no side is special. The size asked for is
// reported, not read back, so a window that keeps to limits of its own still
// shows the asked size here.
std::uint32_t SetDialogSize(const FoundDialog& dialog, const WantedSize& wanted) {
    const PixelSize workArea = WorkAreaSize();
    const PixelSize current = ReadOuterSize(dialog.handle).size; // a closed window fails below, and says so
    const PixelSize size = ResolveWantedSize(wanted, current, workArea);
    const std::uint32_t error = SetOuterSize(dialog.handle, size);
    WriteFoundLine(dialog);
    WriteConsoleLine(SizeSetLine(error, size));
    return error;
}
