// panefit-wait WxH "caption part" | #handle [seconds] [/exact] [/class:NAME]
// [/program:NAME]: waits until exactly one shown window matches and its
// program answers, then gives it a new outer size as panefit does, until
// that size holds. Its exit code tells the outcomes apart, for batch files
// and PowerShell.
#include "front/flow.h"
#include "front/size_setting.h"
#include "text/text.h"
#include "wait/dialog_wait.h"
#include "wait/wait_arguments.h"

namespace {

const ProgramTexts panefitWait = {
    "panefit-wait",
    {
        "Usage: panefit-wait WxH \"dialog caption, all or part\" [seconds] [options]",
        "    or panefit-wait WxH #12345 [seconds] (hash followed by dialog handle)",
        "Use W or H = -1 to keep current dialog width or height",
        "Use W or H = -2 to give dialog full desktop width or height",
        "Waits up to seconds (default 30) until exactly one dialog is shown",
        "Options: /exact (whole caption), /class:NAME, /program:NAME (file or path)",
        "With /class: or /program:, an empty caption \"\" takes any caption",
        "Exit code: 0 size set, 1 no dialog in time, 2 several dialogs,",
        "           4 another size held, 3 otherwise",
    },
    {
        "This utility must be called via the command-line.",
        "",
        "Usage:",
        "panefit-wait WxH \"dialog caption, all or part\" [seconds] [options]",
        "or ",
        "panefit-wait WxH #12345 [seconds] (hash followed by dialog handle)",
        "",
        "Use W or H = -1 to keep current dialog width or height",
        "Use W or H = -2 to give dialog full desktop width or height",
        "Waits up to seconds (default 30) until exactly one dialog is shown",
        "Options: /exact (whole caption), /class:NAME, /program:NAME (file or path)",
    },
};

WaitOutcome Run() {
    if (AnswerWithoutWork(CommandTail(), panefitWait))
        return OtherOutcome;
    // Arguments as a batch file passes them: "%CAPTION%" of an empty CAPTION
    // stays in its place as an empty argument.
    std::vector<std::string> arguments = ArgumentsOfTail(CommandTail(), EmptyQuotes::Counted);
    const WantedSize size = ReadSizeArgument(arguments.empty() ? "" : arguments.front(), panefitWait);
    if (!size.hasSeparator)
        return OtherOutcome;
    arguments.erase(arguments.begin());
    const WaitRequest request = ReadWaitRequest(arguments);
    if (!request.valid) {
        WriteSyntaxError(panefitWait);
        return OtherOutcome;
    }
    return WaitAndSetDialogSize(request, size);
}

} // namespace

int main() {
    return Run();
}
