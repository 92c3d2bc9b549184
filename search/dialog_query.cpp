#include "search/dialog_query.h"

#include "text/text.h"

std::string OwnConsoleMarker(const std::string& programName) {
    return LowerText("cmd.exe - " + programName);
}

DialogQuery ReadDialogQuery(const std::string& query, const std::string& programName) {
    const std::string prefix = UpperText(MidText(query, 1, 4));
    DialogQuery read = {QueryKind::None, MidText(query, 5, 2147483647), 0, ""};
    if (prefix == "CAP:") {
        read.kind = QueryKind::Caption;
        read.marker = OwnConsoleMarker(programName);
    } else if (prefix == "HND:") {
        read.kind = QueryKind::Handle;
        read.handle = ParseNumber(read.argument);
    }
    return read;
}

bool WindowMatches(const DialogQuery& query, std::uint32_t handle, const std::string& caption) {
    switch (query.kind) {
    case QueryKind::Caption:
        return !ContainsIgnoringCase(caption, query.marker) && ContainsIgnoringCase(caption, query.argument);
    case QueryKind::Handle:
        return query.handle == static_cast<Number>(handle);
    case QueryKind::None:
        break;
    }
    return false;
}

std::string ResultLine(std::uint32_t handle, const std::string& caption) {
    return "#" + FormatNumber(handle) + ":" + TrimBlanks(caption);
}
