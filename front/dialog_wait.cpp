#include "front/dialog_wait.h"

#include "front/flow.h"
#include "front/size_lines.h"
#include "front/size_setting.h"
#include "front/window_readiness.h"
#include "front/window_size.h"
#include "search/console_line.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

constexpr ULONGLONG SearchIntervalMs = 250;
constexpr ULONGLONG LongestAnswerWaitMs = 1000; // then the search is made afresh
constexpr ULONGLONG HoldMs = 500;
constexpr DWORD HoldCheckIntervalMs = 50;

// The result lines of the windows that are shown, in their order.
std::vector<std::string> ShownDialogs(const std::vector<std::string>& results) {
    std::vector<std::string> shown;
    for (const std::string& line : results)
        if (IsWindowShown(DialogOfResultLine(line).handle))
            shown.push_back(line);
    return shown;
}

bool SameSize(const PixelSize& a, const PixelSize& b) {
    return a.width == b.width && a.height == b.height;
}

// True when the window keeps the size it took right after it was set, for
// HoldMs. A window that closes meanwhile reads as 0 by 0, and its next
// setting says so.
bool SizeHolds(std::uint32_t handle) {
    const PixelSize taken = ReadOuterSize(handle).size;
    const ULONGLONG until = GetTickCount64() + HoldMs;
    while (GetTickCount64() < until) {
        Sleep(HoldCheckIntervalMs);
        if (!SameSize(ReadOuterSize(handle).size, taken))
            return false;
    }
    return true;
}

// Sets the size, and sets it again while the program changes it, until it
// holds or the limit has passed. -1 and -2 are resolved for each setting.
WaitOutcome SetUntilSizeHolds(const FoundDialog& dialog, const WantedSize& wanted, ULONGLONG deadline) {
    for (;;) {
        const PixelSize size = SizeToSet(dialog, wanted);
        const std::uint32_t error = SetOuterSize(dialog.handle, size);
        if (error != 0 || SizeHolds(dialog.handle)) {
            WriteSizeSetLines(dialog, error, size);
            return error == 0 ? SizeSet : OtherOutcome;
        }
        if (GetTickCount64() >= deadline) {
            WriteFoundLine(dialog);
            WriteConsoleLine("Size not set: the dialog keeps resizing itself.");
            return OtherOutcome;
        }
    }
}

} // namespace

WaitOutcome WaitAndSetDialogSize(const std::string& dialogArgument, const WantedSize& wanted,
                                 std::uint32_t seconds) {
    const ULONGLONG deadline = GetTickCount64() + 1000ULL * seconds;
    for (;;) {
        const ULONGLONG searched = GetTickCount64();
        const std::vector<std::string> shown = ShownDialogs(SearchDialogs(dialogArgument));
        if (shown.size() == 1) {
            const FoundDialog dialog = DialogOfResultLine(shown.front());
            const ULONGLONG left = deadline > searched ? deadline - searched : 0;
            const auto answerWaitMs =
                static_cast<unsigned>(std::clamp(left, SearchIntervalMs, LongestAnswerWaitMs));
            if (WindowAnswers(dialog.handle, answerWaitMs))
                return SetUntilSizeHolds(dialog, wanted, deadline);
            if (GetTickCount64() >= deadline) {
                WriteSizeSetLines(dialog, ErrorTimeout, {0, 0});
                return OtherOutcome;
            }
        } else if (shown.size() > 1 || searched >= deadline) {
            FoundDialog none;
            ReportSearch(shown, none);
            return shown.empty() ? NoDialogInTime : SeveralDialogs;
        }
        // The last search is made at the limit itself.
        const ULONGLONG now = GetTickCount64();
        const ULONGLONG next = std::min(searched + SearchIntervalMs, deadline);
        if (next > now)
            Sleep(static_cast<DWORD>(next - now));
    }
}
