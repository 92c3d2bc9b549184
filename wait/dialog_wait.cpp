#include "wait/dialog_wait.h"

#include "front/flow.h"
#include "front/size_lines.h"
#include "front/size_setting.h"
#include "front/window_size.h"
#include "search/console_line.h"
#include "wait/window_readiness.h"

#include <windows.h>

#include <algorithm>
#include <optional>
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

// The size the window took from the setting just made, read at once, before
// its program can change it again. A size other than the one asked for is
// the window keeping to limits of its own only when a second setting, made
// at once, gives the same: else its program changed it in between, and
// nothing is taken. A window that closes meanwhile is left to the next
// setting, which says so.
std::optional<PixelSize> TakenSize(std::uint32_t handle, const PixelSize& asked) {
    const PixelSize taken = ReadOuterSize(handle).size;
    if (SameSize(taken, asked))
        return taken;
    if (SetOuterSize(handle, asked) != 0 || !SameSize(ReadOuterSize(handle).size, taken))
        return std::nullopt;
    return taken;
}

// True when the window keeps the size it took for HoldMs.
bool SizeHolds(std::uint32_t handle, const PixelSize& taken) {
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
        if (error != 0) {
            WriteSizeSetLines(dialog, error, size);
            return OtherOutcome;
        }
        const std::optional<PixelSize> taken = TakenSize(dialog.handle, size);
        if (taken && SizeHolds(dialog.handle, *taken)) {
            WriteSizeSetLines(dialog, 0, size);
            return SizeSet;
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
