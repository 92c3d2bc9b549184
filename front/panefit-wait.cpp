// panefit-wait WxH "caption part" | #handle [seconds]: waits until exactly
// one window matches, then gives it a new outer size as panefit does. Its
// exit code tells the outcomes apart, for batch files and PowerShell.
#include "front/flow.h"
#include "front/size_setting.h"
#include "front/wait_limit.h"
#include "text/text.h"

#include <windows.h>

#include <algorithm>

namespace {

const ProgramTexts panefitWait = {
    "panefit-wait",
    {
        "Usage: panefit-wait WxH \"dialog caption, all or part\" [seconds]",
        "    or panefit-wait WxH #12345 [seconds] (hash followed by dialog handle)",
        "Use W or H = -1 to keep current dialog width or height",
        "Use W or H = -2 to give dialog full desktop width or height",
        "Waits up to seconds (default 30) until exactly one dialog matches",
        "Exit code: 0 size set, 1 no dialog in time, 2 several dialogs, 3 otherwise",
    },
    {
        "This utility must be called via the command-line.",
        "",
        "Usage:",
        "panefit-wait WxH \"dialog caption, all or part\" [seconds]",
        "or ",
        "panefit-wait WxH #12345 [seconds] (hash followed by dialog handle)",
        "",
        "Use W or H = -1 to keep current dialog width or height",
        "Use W or H = -2 to give dialog full desktop width or height",
        "Waits up to seconds (default 30) until exactly one dialog matches",
    },
};

enum ExitCode { SizeSet = 0, NoDialogInTime = 1, SeveralDialogs = 2, OtherOutcome = 3 };

constexpr ULONGLONG SearchIntervalMs = 250;

// Searches until something matches or the limit has passed; the last search
// is made at the limit itself. Waiting for several matches to become one
// would be waiting for nothing, so any match ends the wait.
std::vector<std::string> AwaitDialogs(const std::string& dialogArgument, std::uint32_t seconds) {
    const ULONGLONG deadline = GetTickCount64() + 1000ULL * seconds;
    for (;;) {
        std::vector<std::string> results = SearchDialogs(dialogArgument);
        const ULONGLONG now = GetTickCount64();
        if (!results.empty() || now >= deadline)
            return results;
        Sleep(static_cast<DWORD>(std::min(SearchIntervalMs, deadline - now)));
    }
}

ExitCode Run() {
    if (AnswerWithoutWork(CommandTail(), panefitWait))
        return OtherOutcome;
    const WantedSize size = ReadSizeArgument(panefitWait);
    if (!size.hasSeparator)
        return OtherOutcome;
    const WaitLimit limit = ReadWaitLimit(CommandArgument(3));
    if (!limit.valid) {
        WriteSyntaxError(panefitWait);
        return OtherOutcome;
    }
    const std::vector<std::string> results =
        AwaitDialogs(TrimAny(CommandArgument(2), ArgumentTrimSet), limit.seconds);
    FoundDialog dialog;
    if (!ReportSearch(results, dialog))
        return results.empty() ? NoDialogInTime : SeveralDialogs;
    return SetDialogSize(dialog, size) == 0 ? SizeSet : OtherOutcome;
}

} // namespace

int main() {
    return Run();
}
