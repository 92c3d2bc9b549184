#include "wait/dialog_wait.h"

#include "front/flow.h"
#include "front/size_lines.h"
#include "front/size_setting.h"
#include "front/window_size.h"
#include "search/console_line.h"
#include "search/window_facts.h"
#include "wait/dialog_candidates.h"
#include "wait/wait_times.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr ULONGLONG HoldMs = 500;
constexpr DWORD HoldCheckIntervalMs = 50;
constexpr DWORD SettleMs = 50; // after the program changed the size between two settings

bool SameSize(const PixelSize& a, const PixelSize& b) {
    return a.width == b.width && a.height == b.height;
}

// Errors that waiting within the limit may mend: the window's program is
// busy, the window is minimised, or it has gone (closed or hidden), perhaps
// for a new window of the same caption.
bool NotReady(std::uint32_t error) {
    return error == ErrorTimeout || error == ErrorMinimised || error == ErrorInvalidWindowHandle;
}

std::uint32_t SetSize(std::uint32_t handle, const PixelSize& size, ULONGLONG deadline) {
    return SetOuterSize(handle, size, ChangeBudgetMs(deadline, GetTickCount64()), Activation::Never);
}

struct Taking {
    std::uint32_t error;            // of a setting
    std::optional<PixelSize> taken; // none: the program changed the size meanwhile
};

// Sets the size and reads the size the window took, at once, before its
// program can change it again. A size other than the one asked for is the
// window keeping to limits of its own only when a second setting, made at
// once, gives the same: else its program changed it in between. A window
// maximised again has taken nothing.
Taking SetAndTake(std::uint32_t handle, const PixelSize& asked, ULONGLONG deadline) {
    if (const std::uint32_t error = SetSize(handle, asked, deadline))
        return {error, std::nullopt};
    const PixelSize taken = ReadOuterSize(handle).size;
    if (StateOfWindow(handle) == WindowState::Maximised)
        return {0, std::nullopt};
    if (SameSize(taken, asked))
        return {0, taken};
    if (const std::uint32_t error = SetSize(handle, asked, deadline))
        return {error, std::nullopt};
    if (!SameSize(ReadOuterSize(handle).size, taken))
        return {0, std::nullopt};
    return {0, taken};
}

enum class Watch { Held, Changed, Minimised, Gone };

// Watches the window for HoldMs: whether it keeps the size it took,
// restored, or is minimised, or is no longer shown (closed or hidden).
Watch WatchSize(std::uint32_t handle, const PixelSize& taken) {
    const ULONGLONG until = GetTickCount64() + HoldMs;
    while (GetTickCount64() < until) {
        Sleep(HoldCheckIntervalMs);
        switch (StateOfWindow(handle)) {
        case WindowState::Hidden:
        case WindowState::Cloaked:
            return Watch::Gone;
        case WindowState::Minimised:
            return Watch::Minimised;
        case WindowState::Maximised:
            return Watch::Changed;
        case WindowState::Shown:
            if (!SameSize(ReadOuterSize(handle).size, taken))
                return Watch::Changed;
            break;
        }
    }
    return Watch::Held;
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
        if (!taking.taken) {
            Sleep(SettleMs);
        } else {
            switch (WatchSize(dialog.handle, *taking.taken)) {
            case Watch::Held:
                WriteSizeSetLines(dialog, 0, *taking.taken);
                return {SameSize(*taking.taken, size) ? SizeSet : OtherSizeHeld, 0};
            case Watch::Minimised:
                return {std::nullopt, ErrorMinimised};
            case Watch::Gone:
                return {std::nullopt, ErrorInvalidWindowHandle};
            case Watch::Changed:
                break;
            }
        }
        if (GetTickCount64() >= deadline) {
            WriteFoundLine(dialog);
            WriteConsoleLine("Size not set: the dialog keeps resizing itself.");
            return {OtherOutcome, 0};
        }
    }
}

} // namespace

WaitOutcome WaitAndSetDialogSize(const WaitRequest& request, const WantedSize& wanted) {
    const ULONGLONG deadline = GetTickCount64() + 1000ULL * request.seconds;
    const DialogQuery query = QueryOfRequest(request);
    for (;;) {
        const ULONGLONG searched = GetTickCount64();
        const std::vector<FoundDialog> shown = DialogCandidates(request, query);
        if (shown.size() == 1) {
            // Not ready (busy, minimised, gone) is waited for within the
            // limit, before the first setting as after any other; a window
            // that has gone sends the wait back to searching.
            const FoundDialog& dialog = shown.front();
            std::uint32_t notReady = ErrorTimeout;
            if (WindowAnswers(dialog.handle, AnswerWaitMs(deadline, searched))) {
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
            ReportFoundDialogs(shown);
            return shown.empty() ? NoDialogInTime : SeveralDialogs;
        }
        // The last search is made at the limit itself.
        const ULONGLONG now = GetTickCount64();
        const ULONGLONG next = std::min(searched + SearchIntervalMs, deadline);
        if (next > now)
            Sleep(static_cast<DWORD>(next - now));
    }
}
