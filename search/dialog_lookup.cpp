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

// Wide text as GetWindowTextA gives a caption: in the ANSI code page, with
// "?" for what it cannot show.
std::string AnsiText(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, ansi.data(), bytes, nullptr, nullptr);
    return ansi;
}

// The console window and its title. The title is read as wide text because
// GetConsoleTitleA gives it in the console's code page (OEM), not in the
// ANSI one that captions are read in. No console: 0 and "".
OwnConsole ReadOwnConsole() {
    std::wstring title(32768, L'\0');                                 // a title is less than 64 KB
    GetConsoleTitleW(title.data(), static_cast<DWORD>(title.size())); // a failure leaves it empty
    const std::size_t end = title.find(L'\0');
    if (end != std::wstring::npos)
        title.resize(end);
    return {HandleNumber(GetConsoleWindow()), AnsiText(title)};
}

} // namespace

int FindDialogs(std::string query, std::vector<std::string>& results) {
    results.clear();
    CollectWindows();
    const DialogQuery read = ReadDialogQuery(query, ProgramBaseName(), ReadOwnConsole());
    for (HWND window : CollectedWindows()) {
        // Only a caption that can change the answer is read: a handle query
        // reads the caption of its one window.
        const std::uint32_t handle = HandleNumber(window);
        if (!CaptionCanMatch(read, handle))
            continue;
        const std::string caption = WindowCaption(window);
        if (WindowMatches(read, handle, caption))
            results.push_back(ResultLine(handle, caption));
    }
    return static_cast<int>(results.size());
}
