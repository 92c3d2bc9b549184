#include "front/size_setting.h"

#include "front/size_lines.h"
#include "front/window_size.h"
#include "search/console_line.h"
#include "text/text.h"

WantedSize ReadSizeArgument(const std::string& argument, const ProgramTexts& program) {
    const WantedSize size = ReadWantedSize(argument);
    if (!size.hasSeparator)
        WriteSyntaxError(program);
    return size;
}

PixelSize SizeToSet(const FoundDialog& dialog, const WantedSize& wanted) {
    const PixelSize workArea = WorkAreaSize();
    const PixelSize current =
        ReadOuterSize(dialog.handle).size; // a closed window fails when set, and says so
    return ResolveWantedSize(wanted, current, workArea);
}

// The size asked for is reported, not read back, so a window that keeps to
// limits of its own still shows the asked size here.
void WriteSizeSetLines(const FoundDialog& dialog, std::uint32_t error, const PixelSize& size) {
    WriteFoundLine(dialog);
    WriteConsoleLine(SizeSetLine(error, size));
}

std::uint32_t SetDialogSize(const FoundDialog& dialog, const WantedSize& wanted) {
    const PixelSize size = SizeToSet(dialog, wanted);
    const std::uint32_t error = SetOuterSize(dialog.handle, size);
    WriteSizeSetLines(dialog, error, size);
    return error;
}
