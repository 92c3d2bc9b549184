// The lookup's rules over a small desktop made up in memory: how a query is
// read, which windows it matches, that the program's own console never
// matches a caption query, and that every result line reads back as the
// handle and caption it was made from.
#include "fuzz/check.h"
#include "search/dialog_query.h"
#include "text/text.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct MadeUpWindow {
    std::uint32_t handle;
    std::string caption;
};

// Input: four windows (4 handle bytes, 1 length byte, that many caption
// bytes each), then the query. The first window is the program's console.
std::vector<MadeUpWindow> ReadWindows(const std::uint8_t*& data, std::size_t& size) {
    std::vector<MadeUpWindow> windows;
    for (int i = 0; i < 4 && size >= 5; ++i) {
        MadeUpWindow window = {0, ""};
        std::memcpy(&window.handle, data, 4);
        const std::size_t length = data[4] < size - 5 ? data[4] : size - 5;
        window.caption.assign(reinterpret_cast<const char*>(data) + 5, length);
        windows.push_back(window);
        data += 5 + length;
        size -= 5 + length;
    }
    return windows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<MadeUpWindow> windows = ReadWindows(data, size);
    const std::string query(reinterpret_cast<const char*>(data), size);
    const std::string program = "paneprobe";
    const OwnConsole console =
        windows.empty() ? OwnConsole{0, ""} : OwnConsole{windows[0].handle, windows[0].caption};
    const DialogQuery read = ReadDialogQuery(query, program, console);
    CHECK(read.argument == MidText(query, 5, 2147483647));
    const std::string shownTitle = TitleShowingCommand(console.title, program);
    CHECK(shownTitle.empty() == !ContainsIgnoringCase(console.title, program));
    CHECK(FirstUnits(shownTitle, 259) == shownTitle); // cut as a caption is

    for (const MadeUpWindow& window : windows) {
        const bool matches = WindowMatches(read, window.handle, window.caption);
        CHECK(!matches || CaptionCanMatch(read, window.handle));
        CHECK(!matches || read.kind != QueryKind::None);
        const bool showsOwnConsole =
            (console.window != 0 && window.handle == console.window) ||
            ContainsIgnoringCase(window.caption, OwnConsoleMarker(program)) ||
            (!shownTitle.empty() && ContainsIgnoringCase(window.caption, shownTitle));
        CHECK(!matches || read.kind != QueryKind::Caption || !showsOwnConsole);

        const std::string line = ResultLine(window.handle, window.caption);
        CHECK(line[0] == '#');
        CHECK(ToHandle(ParseNumber(MidText(line, 2, 2147483647))) == window.handle);
        CHECK(MidText(line, FindText(line, ":") + 1, 2147483647) == TrimBlanks(window.caption));

        // A window is always found by its own handle, consoles included, and
        // by its own caption unless that is empty or the window shows the
        // program's own console.
        const DialogQuery byHandle = ReadDialogQuery("hnd:" + FormatNumber(window.handle), program, console);
        CHECK(WindowMatches(byHandle, window.handle, window.caption));
        CHECK(!CaptionCanMatch(byHandle, window.handle + 1));
        const DialogQuery byCaption = ReadDialogQuery("CAP:" + window.caption, program, console);
        CHECK(WindowMatches(byCaption, window.handle, window.caption) ==
              (!window.caption.empty() && !showsOwnConsole));
    }
    return 0;
}
