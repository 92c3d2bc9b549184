// panefit WxH "caption part" | #handle: gives one window a new outer size.
#include "front/flow.h"
#include "front/size_setting.h"
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

} // namespace

int main() {
    if (AnswerWithoutWork(CommandTail(), panefit))
        return 0;
    const WantedSize size = ReadSizeArgument(CommandArgument(1), panefit);
    if (!size.hasSeparator)
        return 0;
    FoundDialog dialog;
    if (FindOneDialog(TrimAny(CommandArgument(2), ArgumentTrimSet), dialog))
        SetDialogSize(dialog, size);
    return 0;
}
