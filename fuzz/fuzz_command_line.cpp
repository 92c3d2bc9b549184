// Command lines of arbitrary bytes: the tail, its arguments and their trimming.
#include "fuzz/check.h"
#include "text/text.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool InTrimSet(char c) {
    return ArgumentTrimSet.find(c) != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::string tail = TailOfCommandLine(line);
    CHECK(tail.size() <= line.size());
    CHECK(line.compare(line.size() - tail.size(), tail.size(), tail) == 0); // a suffix, unchanged

    bool ended = false;
    for (int n = 1; n <= 8; ++n) {
        const std::string argument = ArgumentOfTail(tail, n);
        CHECK(!ended || argument.empty()); // nothing follows the last argument
        ended = argument.empty();
        CHECK(tail.find(argument) != std::string::npos);

        const std::string trimmed = TrimAny(argument, ArgumentTrimSet);
        CHECK(trimmed.empty() || (!InTrimSet(trimmed.front()) && !InTrimSet(trimmed.back())));
        CHECK(argument.find(trimmed) != std::string::npos);
        const std::string unblanked = TrimBlanks(argument);
        CHECK(unblanked.empty() || (unblanked.front() != ' ' && unblanked.back() != ' '));
    }

    const int start = size > 0 ? data[0] - 8 : 0;
    const int count = size > 1 ? data[1] - 8 : 0;
    const std::string part = MidText(line, start, count);
    CHECK(part.size() <= static_cast<std::size_t>(count < 0 ? 0 : count));
    CHECK(part.empty() || line.compare(static_cast<std::size_t>(start) - 1, part.size(), part) == 0);

    const int position = FindText(line, tail);
    CHECK(line.empty() ? position == 0 : position >= 1);
    CHECK(LowerText(line).size() == line.size() && UpperText(line).size() == line.size());
    return 0;
}
