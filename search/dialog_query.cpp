#include "search/dialog_query.h"

#include "text/text.h"

namespace {

// A caption is read into 260 UTF-16 units, its NUL included.
constexpr std::size_t CaptionUnits = 259;

bool HoldsText(const std::string& caption, const std::string& text) {
    return !text.empty() && ContainsIgnoringCase(caption, text);
}

} // namespace

std::string OwnConsoleMarker(const std::string& programName) {
    return LowerText("cmd.exe - " + programName);
}

bool NamesHandle(const std::string& dialogArgument) {
    return MidText(dialogArgument, 1, 1) == "#";
}

std::string TitleShowingCommand(const std::string& title, const std::string& programName) {
    if (!HoldsText(title, programName))
        return "";
    return FirstUnits(title, CaptionUnits);
}

DialogQuery ReadDialogQuery(const std::string& query, const std::string& programName,
                            const OwnConsole& console) {
    const std::string prefix = UpperText(MidText(query, 1, 4));
    DialogQuery read = {QueryKind::None, CaptionTest::Holds, MidText(query, 5, 2147483647), 0, "", 0, ""};
    if (prefix == "CAP:") {
        read.kind = QueryKind::Caption;
        read.marker = OwnConsoleMarker(programName);
        read.ownWindow = console.window;
        read.ownTitle = TitleShowingCommand(console.title, programName);
    } else if (prefix == "HND:") {
        read.kind = QueryKind::Handle;
        read.handle = ParseNumber(read.argument);
    }
    return read;
}

bool CaptionCanMatch(const DialogQuery& query, std::uint32_t handle) {
    switch (query.kind) {
    case QueryKind::Caption:
        return query.ownWindow == 0 || handle != query.ownWindow;
    case QueryKind::Handle:
        return query.handle == static_cast<Number>(handle);
    case QueryKind::None:
        break;
    }
    return false;
}

bool WindowMatches(const DialogQuery& query, std::uint32_t handle, const std::string& caption) {
    if (!CaptionCanMatch(query, handle))
        return false;
    if (query.kind == QueryKind::Handle)
        return true;
    if (HoldsText(caption, query.marker) || HoldsText(caption, query.ownTitle))
        return false;
    switch (query.test) {
    case CaptionTest::Holds:
        return ContainsIgnoringCase(caption, query.argument);
    case CaptionTest::Equals:
        return EqualsIgnoringCase(TrimBlanks(caption), query.argument);
    case CaptionTest::Any:
        break;
    }
    return true;
}

std::string ResultLine(std::uint32_t handle, const std::string& caption) {
    return "#" + FormatNumber(handle) + ":" + TrimBlanks(caption);
}
