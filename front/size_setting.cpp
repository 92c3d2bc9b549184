#include "front/size_setting.h"

#include "front/size_lines.h"
#include "front/window_size.h"
#include "search/console_line.h"
#include "text/text.h"

namespace {

// A program that has not made the change by then is left to itself.
constexpr unsigned ProgramBudgetMs = 5000;

} // namespace

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

void WriteSizeSetLines(const FoundDialog& dialog, std::uint32_t error, const PixelSize& size) {
    WriteFoundLine(dialog);
    WriteConsoleLine(SizeSetLine(error, size));
}

// The size asked for is reported, not read back, so a window that keeps to
// limits of its own still shows the asked size here.
std::uint32_t SetDialogSize(const FoundDialog& dialog, const WantedSize& wanted) {
    const PixelSize size = SizeToSet(dialog, wanted);
    const std::uint32_t error = SetOuterSize(dialog.handle, size, ProgramBudgetMs);
    WriteSizeSetLines(dialog, error, size);
    return error;
}
