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
constexpr ULONGLONG LongestAnswerWaitMs = 1000;   // then the search is made afresh
constexpr ULONGLONG ShortestChangeBudgetMs = 350; // a setting made at the limit still gets this
constexpr ULONGLONG HoldMs = 500;
constexpr DWORD HoldCheckIntervalMs = 50;

// The result lines of the windows that can be the dialog, in their order:
// shown ones and, by caption, only windows of their own, so that a control
// that shares the dialog's caption is never taken for it.
std::vector<std::string> Candidates(const std::string& dialogArgument) {
    const bool byHandle = NamesHandle(dialogArgument);
    std::vector<std::string> candidates;
    for (const std::string& line : SearchDialogs(dialogArgument)) {
        const std::uint32_t handle = DialogOfResultLine(line).handle;
        if (IsWindowShown(handle) && (byHandle || IsTopLevelWindow(handle)))
            candidates.push_back(line);
    }
    return candidates;
}

bool SameSize(const PixelSize& a, const PixelSize& b) {
    return a.width == b.width && a.height == b.height;
}

// The time the window's program gets for one size change: up to the limit,
// and a little past it for a change begun right at the limit. At the limit,
// the answer wait and the two settings of SetAndTake stay within a second.
unsigned ChangeBudgetMs(ULONGLONG deadline) {
    const ULONGLONG now = GetTickCount64();
    return static_cast<unsigned>(std::max(deadline > now ? deadline - now : 0, ShortestChangeBudgetMs));
}

// Errors that waiting within the limit may mend: the window's program is
// busy, or the window is minimised.
bool NotReady(std::uint32_t error) {
    return error == ErrorTimeout || error == ErrorMinimised;
}

struct Taking {
    std::uint32_t error;            // of a setting
    std::optional<PixelSize> taken; // none: the program changed the size meanwhile
};

// Sets the size and reads the size the window took, at once, before its
// program can change it again. A size other than the one asked for is the
// window keeping to limits of its own only when a second setting, made at
// once, gives the same: else its program changed it in between.
Taking SetAndTake(std::uint32_t handle, const PixelSize& asked, ULONGLONG deadline) {
    if (const std::uint32_t error = SetOuterSize(handle, asked, ChangeBudgetMs(deadline)))
        return {error, std::nullopt};
    const PixelSize taken = ReadOuterSize(handle).size;
    if (SameSize(taken, asked))
        return {0, taken};
    if (const std::uint32_t error = SetOuterSize(handle, asked, ChangeBudgetMs(deadline)))
        return {error, std::nullopt};
    if (!SameSize(ReadOuterSize(handle).size, taken))
        return {0, std::nullopt};
    return {0, taken};
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

// How a try at sizing the one shown window ended: with its lines written
// and the outcome, or, with nothing written, at an error that waiting may
// mend.
struct Attempt {
    std::optional<WaitOutcome> outcome;
    std::uint32_t notReady;
};

// Sets the size, and sets it again while the program changes it, until it
// holds or the limit has passed. -1 and -2 are resolved for each setting.
// "Size set to" shows the size the window holds.
Attempt SetUntilSizeHolds(const FoundDialog& dialog, const WantedSize& wanted, ULONGLONG deadline) {
    for (;;) {
        const PixelSize size = SizeToSet(dialog, wanted);
        const Taking taking = SetAndTake(dialog.handle, size, deadline);
        if (NotReady(taking.error))
            return {std::nullopt, taking.error};
        if (taking.error != 0) {
            WriteSizeSetLines(dialog, taking.error, size);
            return {OtherOutcome, 0};
        }
        if (taking.taken && SizeHolds(dialog.handle, *taking.taken)) {
            WriteSizeSetLines(dialog, 0, *taking.taken);
            return {SizeSet, 0};
        }
        if (GetTickCount64() >= deadline) {
            // A window that closed while it was watched says so.
            if (const std::uint32_t gone = ReadOuterSize(dialog.handle).error) {
                WriteSizeSetLines(dialog, gone, size);
            } else {
                WriteFoundLine(dialog);
                WriteConsoleLine("Size not set: the dialog keeps resizing itself.");
            }
            return {OtherOutcome, 0};
        }
    }
}

} // namespace

WaitOutcome WaitAndSetDialogSize(const std::string& dialogArgument, const WantedSize& wanted,
                                 std::uint32_t seconds) {
    const ULONGLONG deadline = GetTickCount64() + 1000ULL * seconds;
    for (;;) {
        const ULONGLONG searched = GetTickCount64();
        const std::vector<std::string> shown = Candidates(dialogArgument);
        if (shown.size() == 1) {
            // Not ready (busy or minimised) is waited for within the limit,
            // before the first setting as after any other.
            const FoundDialog dialog = DialogOfResultLine(shown.front());
            const ULONGLONG left = deadline > searched ? deadline - searched : 0;
            const auto answerWaitMs =
                static_cast<unsigned>(std::clamp(left, SearchIntervalMs, LongestAnswerWaitMs));
            std::uint32_t notReady = ErrorTimeout;
            if (WindowAnswers(dialog.handle, answerWaitMs)) {
                const Attempt attempt = SetUntilSizeHolds(dialog, wanted, deadline);
                if (attempt.outcome)
                    return *attempt.outcome;
                notReady = attempt.notReady;
            }
            if (GetTickCount64() >= deadline) {
                WriteSizeSetLines(dialog, notReady, {0, 0});
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
