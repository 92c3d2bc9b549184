// panefit WxH "caption part" | #handle: gives one window a new outer size.
#include "front/flow.h"
#include "front/size_lines.h"
#include "front/wanted_size.h"
#include "front/window_size.h"
#include "search/console_line.h"
#include "text/text.h"

namespace {

const ProgramTexts panefit = {
    "panefit",
    {
        "Usage: panefit WxH \"dialog caption, all or part\"",
        "    or panefit WxH #12345 (hash followed by dialog handle)",
        "Use W or H = -1 to keep current dialog width or height",
        "Use W or H = -2 to give dialog full desktop width or height",
    },
    {
        "This utility must be called via the command-line.",
        "",
        "Usage:",
        "panefit WxH \"dialog caption, all or part\"",
        "or ",
        "panefit WxH #12345 (hash followed by dialog handle)",
        "",
        "Use W or H = -1 to keep current dialog width or height",
        "Use W or H = -2 to give dialog full desktop width or height",
    },
};

// Both sizes are read even when no side is special, then the window is resized
// and the size asked for is reported: it is not read back, so a window that
// keeps to limits of its own still shows the asked size here. A size that
// could not be set says why instead.
void SetDialogSize(const FoundDialog& dialog, const WantedSize& wanted) {
    const PixelSize workArea = WorkAreaSize();
    const PixelSize current = ReadOuterSize(dialog.handle).size; // a closed window fails below, and says so
    const PixelSize size = ResolveWantedSize(wanted, current, workArea);
    const std::uint32_t error = SetOuterSize(dialog.handle, size);
    WriteFoundLine(dialog);
    WriteConsoleLine(SizeSetLine(error, size));
}

} // namespace

int main() {
    if (AnswerWithoutWork(CommandTail(), panefit))
        return 0;
    const WantedSize size = ReadWantedSize(CommandArgument(1));
    if (!size.hasSeparator) {
        WriteConsoleLine("Syntax Error.");
        WriteLines(panefit.usageLines, 2);
        return 0;
    }
    FoundDialog dialog;
    if (FindOneDialog(TrimAny(CommandArgument(2), ArgumentTrimSet), dialog))
        SetDialogSize(dialog, size);
    return 0;
}
