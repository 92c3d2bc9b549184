// panelist [/all] [/csv] [caption part]: lists the top-level windows with
// what a script can name them by: handle, outer size, state, program, class
// and caption. Its exit code says whether it listed any.
#include "front/flow.h"
#include "list/window_listing.h"
#include "search/console_line.h"
#include "text/text.h"

namespace {

constexpr int Listed = 0, NoneMatched = 1, Otherwise = 3;

const ProgramTexts panelist = {
    "panelist",
    {
        "Usage: panelist [/all] [/csv] [\"caption, all or part\"]",
        "Lists the shown windows that have a caption (/all: every window):",
        "  #handle WxH state program class \"caption\"",
        "/csv writes CSV: Handle,Width,Height,State,Program,Class,Caption",
        "Exit code: 0 listed, 1 none matched, 3 otherwise",
    },
    {
        "This utility must be called via the command-line.",
        "",
        "Usage:",
        "panelist [/all] [/csv] [\"caption, all or part\"]",
        "",
        "Lists the shown windows that have a caption (/all: every window):",
        "#handle WxH state program class \"caption\"",
        "/csv writes CSV: Handle,Width,Height,State,Program,Class,Caption",
    },
};

int Run() {
    const std::string& tail = CommandTail();
    // From a prompt, no arguments list every shown window; started on a
    // console of its own, the list would vanish with it.
    if (tail.empty() && StartedOnItsOwnConsole()) {
        ShowUsageBox(panelist);
        return Otherwise;
    }
    if (tail == "/?") {
        WriteLines(panelist.usageLines);
        return Otherwise;
    }
    const ListRequest request = ReadListRequest(tail);
    if (!request.valid) {
        WriteSyntaxError(panelist);
        return Otherwise;
    }
    const std::vector<ListedWindow> windows = ListWindows(request);
    if (request.csv)
        WriteConsoleLine(CsvHeader);
    for (const ListedWindow& window : windows)
        WriteConsoleLine(request.csv ? CsvLine(window) : ListLine(window));
    return windows.empty() ? NoneMatched : Listed;
}

} // namespace

int main() {
    return Run();
}
