#include "search/dialog_lookup.h"

#include "search/dialog_query.h"
#include "search/window_handle.h"
#include "search/window_inventory.h"
#include "text/text.h"

namespace {

// At most 259 bytes; a window that is gone or has no text gives "".
std::string WindowCaption(HWND window) {
    char caption[260] = {};
    GetWindowTextA(window, caption, sizeof caption);
    return TextFromBuffer(caption);
}

} // namespace

int FindDialogs(std::string query, std::vector<std::string>& results) {
    results.clear();
    CollectWindows();
    const DialogQuery read = ReadDialogQuery(query, ProgramBaseName());
    for (HWND window : CollectedWindows()) {
        const std::string caption = WindowCaption(window);
        if (WindowMatches(read, HandleNumber(window), caption))
            results.push_back(ResultLine(HandleNumber(window), caption));
    }
    return static_cast<int>(results.size());
}
