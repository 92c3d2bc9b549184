#include "text/text.h"

#include <utility>

namespace {

bool IsBlank(char c) {
    return c == ' ';
}

std::size_t SkipBlanks(const std::string& text, std::size_t i) {
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

} // namespace

std::string TailOfCommandLine(const std::string& commandLine) {
    std::size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::size_t close = commandLine.find('"', 1);
        if (close == std::string::npos)
            return "";
        i = SkipBlanks(commandLine, close + 1);
    } else {
        // An unquoted name ends at the first byte of code 32 or below; only a
        // blank there is skipped, so a TAB or control byte starts the tail.
        while (i < commandLine.size() && static_cast<unsigned char>(commandLine[i]) > 32)
            ++i;
        i = SkipBlanks(commandLine, i);
    }
    return commandLine.substr(i);
}

std::vector<std::string> ArgumentsOfTail(const std::string& tail, EmptyQuotes empty) {
    std::vector<std::string> arguments;
    for (std::size_t i = SkipBlanks(tail, 0); i < tail.size(); i = SkipBlanks(tail, i)) {
        std::string argument;
        if (tail[i] == '"') {
            const std::size_t close = tail.find('"', i + 1);
            const std::size_t end = close == std::string::npos ? tail.size() : close;
            argument = tail.substr(i + 1, end - i - 1);
            i = close == std::string::npos ? tail.size() : close + 1;
            if (argument.empty() && empty == EmptyQuotes::Skipped)
                continue;
        } else {
            const std::size_t blank = tail.find(' ', i);
            const std::size_t end = blank == std::string::npos ? tail.size() : blank;
            argument = tail.substr(i, end - i);
            i = end;
        }
        arguments.push_back(argument);
    }
    return arguments;
}

std::string ArgumentOfTail(const std::string& tail, int n, EmptyQuotes empty) {
    const std::vector<std::string> arguments = ArgumentsOfTail(tail, empty);
    return n >= 1 && static_cast<std::size_t>(n) <= arguments.size()
               ? arguments[static_cast<std::size_t>(n) - 1]
               : "";
}

std::string TrimBlanks(std::string text) {
    return TrimAny(std::move(text), " ");
}

std::string TrimAny(std::string text, const std::string& set) {
    const std::size_t first = text.find_first_not_of(set);
    if (first == std::string::npos)
        return "";
    const std::size_t last = text.find_last_not_of(set);
    return text.substr(first, last - first + 1);
}

int FindText(const std::string& text, const std::string& pattern) {
    if (text.empty())
        return 0;
    const std::size_t at = text.find(pattern);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

bool ContainsIgnoringCase(const std::string& text, const std::string& pattern) {
    return FindText(LowerText(text), LowerText(pattern)) > 0;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return LowerText(a) == LowerText(b);
}

std::string MidText(const std::string& text, int start, int count) {
    if (start < 1 || count < 1 || static_cast<std::size_t>(start) > text.size())
        return "";
    return text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(count));
}

std::string FirstUnits(const std::string& text, std::size_t count) {
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        units += bytes == 4 ? 2 : 1;
        if (units > count)
            break;
        i += bytes;
    }
    return text.substr(0, i);
}

std::string FileNameOfPath(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string BaseNameOfPath(const std::string& path) {
    std::string name = FileNameOfPath(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
