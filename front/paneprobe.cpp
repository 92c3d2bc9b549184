// paneprobe "caption part" | #handle: prints one window's outer size.
#include "front/flow.h"
#include "front/size_lines.h"
#include "front/window_size.h"
#include "search/console_line.h"
#include "text/text.h"

namespace {

const ProgramTexts paneprobe = {
    "paneprobe",
    {
        "Usage: paneprobe \"dialog caption, all or part\"",
        "    or paneprobe #12345 (hash followed by dialog handle)",
    },
    {
        "This utility must be called via the command-line.",
        "",
        "Usage:",
        "paneprobe \"dialog caption, all or part\"",
        "or ",
        "paneprobe #12345 (hash followed by dialog handle)",
    },
};

// The size is read once, before either line is written.
void ReportDialogSize(const FoundDialog& dialog) {
    const SizeReading reading = ReadOuterSize(dialog.handle);
    WriteFoundLine(dialog);
    WriteConsoleLine(SizeReadLine(reading.error, reading.size));
}

} // namespace

int main() {
    if (AnswerWithoutWork(CommandTail(), paneprobe))
        return 0;
    // The whole tail names the dialog, so a caption needs no quotes here.
    FoundDialog dialog;
    if (FindOneDialog(TrimAny(CommandTail(), ArgumentTrimSet), dialog))
        ReportDialogSize(dialog);
    return 0;
}
