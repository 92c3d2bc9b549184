#include "search/dialog_lookup.h"

#include "search/dialog_query.h"
#include "search/window_facts.h"
#include "search/window_handle.h"
#include "search/window_inventory.h"
#include "text/text.h"

namespace {

// The console window and its title, read as captions are. No console: 0
// and "".
OwnConsole ReadOwnConsole() {
    std::wstring title(32768, L'\0');                                 // a title is less than 64 KB
    GetConsoleTitleW(title.data(), static_cast<DWORD>(title.size())); // a failure leaves it empty
    return {HandleNumber(GetConsoleWindow()), TextFromBuffer(title.data(), title.size())};
}

} // namespace

int FindDialogs(std::string query, std::vector<std::string>& results) {
    results.clear();
    CollectWindows();
    const DialogQuery read = ReadQueryHere(query);
    for (HWND window : CollectedWindows()) {
        // Only a caption that can change the answer is read: a handle query
        // reads the caption of its one window.
        const std::uint32_t handle = HandleNumber(window);
        if (!CaptionCanMatch(read, handle))
            continue;
        const std::string caption = WindowCaption(handle);
        if (WindowMatches(read, handle, caption))
            results.push_back(ResultLine(handle, caption));
    }
    return static_cast<int>(results.size());
}

DialogQuery ReadQueryHere(const std::string& query) {
    return ReadDialogQuery(query, ProgramBaseName(), ReadOwnConsole());
}

std::vector<FoundDialog> FindShownDialogs(const DialogQuery& read) {
    std::vector<std::uint32_t> handles;
    if (read.kind == QueryKind::Handle && read.handle >= 1 && read.handle <= 4294967295.0L)
        handles.push_back(ToHandle(read.handle));
    else if (read.kind == QueryKind::Caption)
        for (HWND window : TopLevelWindows())
            handles.push_back(HandleNumber(window));

    // Visibility first: most top-level windows of a desktop are hidden, and
    // each caption read is a round trip to the window server.
    std::vector<FoundDialog> found;
    for (const std::uint32_t handle : handles) {
        if (!CaptionCanMatch(read, handle) || !IsWindowVisible(WindowOfNumber(handle)))
            continue;
        const std::string caption = WindowCaption(handle);
        if (WindowMatches(read, handle, caption) && IsWindowShown(handle))
            found.push_back({handle, TrimBlanks(caption)});
    }
    return found;
}
