#include "list/window_list.h"

#include "text/number.h"
#include "text/text.h"

#include <algorithm>

namespace {

std::string OrUnknown(const std::string& name) {
    return name.empty() ? "?" : name;
}

std::string CsvField(const std::string& field) {
    const bool quoted = field.find_first_of(",\"\r\n") != std::string::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quoted)
        return field;
    std::string text = "\"";
    for (char c : field)
        text += c == '"' ? std::string("\"\"") : std::string(1, c);
    return text + "\"";
}

} // namespace

const std::string CsvHeader = "Handle,Width,Height,State,Program,Class,Caption";

ListRequest ReadListRequest(const std::string& tail) {
    ListRequest request = {true, false, false, ""};
    std::size_t i = 0;
    for (;;) {
        while (i < tail.size() && tail[i] == ' ')
            ++i;
        if (i >= tail.size() || tail[i] != '/')
            break;
        const std::size_t end = std::min(tail.find(' ', i), tail.size());
        const std::string option = LowerText(tail.substr(i, end - i));
        bool* const flag = option == "/all" ? &request.all : option == "/csv" ? &request.csv : nullptr;
        if (!flag || *flag)
            return {false, false, false, ""};
        *flag = true;
        i = end;
    }
    request.captionPart = TrimAny(tail.substr(i), ArgumentTrimSet);
    return request;
}

std::string StateName(WindowState state) {
    switch (state) {
    case WindowState::Hidden:
        return "hidden";
    case WindowState::Cloaked:
        return "cloaked";
    case WindowState::Minimised:
        return "minimised";
    case WindowState::Maximised:
        return "maximised";
    case WindowState::Shown:
        break;
    }
    return "shown";
}

std::string ListLine(const ListedWindow& window) {
    return "#" + FormatNumber(window.handle) + " " + SizeText(window.size) + " " + StateName(window.state) +
           " " + OrUnknown(window.program) + " " + OrUnknown(window.className) + " \"" + window.caption +
           "\"";
}

std::string CsvLine(const ListedWindow& window) {
    return "#" + FormatNumber(window.handle) + "," + FormatNumber(window.size.width) + "," +
           FormatNumber(window.size.height) + "," + StateName(window.state) + "," + CsvField(window.program) +
           "," + CsvField(window.className) + "," + CsvField(window.caption);
}
