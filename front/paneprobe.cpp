// paneprobe "caption part" | #handle: prints one window's outer size.
#include "front/flow.h"
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

} // namespace

int main() {
    if (AnswerWithoutWork(CommandTail(), paneprobe))
        return 0;
    return 0;
}
