#include "front/window_size.h"

#include "front/size_lines.h"
#include "search/window_handle.h"

static_assert(ErrorAccessDenied == ERROR_ACCESS_DENIED &&
              ErrorInvalidWindowHandle == ERROR_INVALID_WINDOW_HANDLE && ErrorTimeout == ERROR_TIMEOUT);

namespace {

PixelSize SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The last error of a call that failed; one that failed without setting it
// still reads as a failure.
std::uint32_t FailureCode() {
    const DWORD error = GetLastError();
    return error != 0 ? error : ErrorWithoutCode;
}

// One SetWindowPos, made on a thread of its own so that the caller can stop
// waiting for it. The caller and the thread each hold it; whichever lets go
// last frees it.
struct SizeChange {
    HWND window;
    PixelSize size;
    UINT flags;
    std::uint32_t error;
    LONG holders;
};

void LetGo(SizeChange* change) {
    if (InterlockedDecrement(&change->holders) == 0)
        delete change;
}

DWORD WINAPI MakeSizeChange(void* parameter) {
    auto* change = static_cast<SizeChange*>(parameter);
    // Sized while maximised, a window gets its old size back when restored.
    if (IsZoomed(change->window))
        ShowWindow(change->window, SW_SHOWNOACTIVATE);
    SetLastError(0);
    if (!SetWindowPos(change->window, nullptr, 0, 0, change->size.width, change->size.height, change->flags))
        change->error = FailureCode();
    LetGo(change);
    return 0;
}

// SetWindowPos, waited for timeoutMs at most: ERROR_TIMEOUT when it has not
// returned by then.
std::uint32_t SetWindowSizeWithin(HWND window, const PixelSize& size, UINT flags, DWORD timeoutMs) {
    auto* change = new SizeChange{window, size, flags, 0, 2};
    HANDLE thread = CreateThread(nullptr, 0, MakeSizeChange, change, 0, nullptr);
    if (!thread) {
        delete change;
        return FailureCode();
    }
    const bool returned = WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(thread);
    const std::uint32_t error = returned ? change->error : ErrorTimeout;
    LetGo(change);
    return error;
}

} // namespace

SizeReading ReadOuterSize(std::uint32_t handle) {
    RECT rect = {};
    SetLastError(0);
    if (!GetWindowRect(WindowOfNumber(handle), &rect))
        return {{0, 0}, FailureCode()};
    return {SizeOf(rect), 0};
}

PixelSize WorkAreaSize() {
    RECT rect = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0); // a failure leaves the zeros
    return SizeOf(rect);
}

bool WindowAnswers(std::uint32_t handle, unsigned timeoutMs) {
    DWORD_PTR ignored = 0;
    SetLastError(0); // an old ERROR_TIMEOUT must not read as this call's
    return SendMessageTimeoutA(WindowOfNumber(handle), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs,
                               &ignored) != 0 ||
           GetLastError() != ERROR_TIMEOUT;
}

std::uint32_t SetOuterSize(std::uint32_t handle, const PixelSize& size, unsigned budgetMs,
                           Activation activation) {
    HWND window = WindowOfNumber(handle);
    if (IsIconic(window))
        return ErrorMinimised;
    const ULONGLONG start = GetTickCount64();
    if (!WindowAnswers(handle, budgetMs))
        return ErrorTimeout;
    const ULONGLONG spent = GetTickCount64() - start;
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | (activation == Activation::Never ? SWP_NOACTIVATE : 0);
    const std::uint32_t error =
        SetWindowSizeWithin(window, size, flags, spent < budgetMs ? static_cast<DWORD>(budgetMs - spent) : 0);
    // A window that closes while it handles the change makes SetWindowPos
    // fail without an error code (under Wine), or even succeed.
    if (!IsWindow(window))
        return ErrorInvalidWindowHandle;
    return error;
}
