#include "front/window_size.h"

#include "front/size_lines.h"
#include "search/window_handle.h"

static_assert(ErrorAccessDenied == ERROR_ACCESS_DENIED &&
              ErrorInvalidWindowHandle == ERROR_INVALID_WINDOW_HANDLE && ErrorTimeout == ERROR_TIMEOUT);

namespace {

constexpr UINT AnswerTimeoutMs = 5000;

PixelSize SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

SizeReading ReadOuterSize(std::uint32_t handle) {
    RECT rect = {};
    if (!GetWindowRect(WindowOfNumber(handle), &rect))
        return {{0, 0}, GetLastError()};
    return {SizeOf(rect), 0};
}

PixelSize WorkAreaSize() {
    RECT rect = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0); // a failure leaves the zeros
    return SizeOf(rect);
}

bool WindowAnswers(std::uint32_t handle, unsigned timeoutMs) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(WindowOfNumber(handle), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs,
                               &ignored) != 0 ||
           GetLastError() != ERROR_TIMEOUT;
}

std::uint32_t SetOuterSize(std::uint32_t handle, const PixelSize& size) {
    if (!WindowAnswers(handle, AnswerTimeoutMs))
        return ErrorTimeout;
    HWND window = WindowOfNumber(handle);
    const bool set = SetWindowPos(window, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER);
    const std::uint32_t error = set ? 0 : GetLastError();
    // A window that closes while it handles the change makes SetWindowPos
    // fail without an error code (under Wine), or even succeed.
    if (!IsWindow(window))
        return ErrorInvalidWindowHandle;
    return error;
}
