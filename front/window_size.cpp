#include "front/window_size.h"

#include "search/window_handle.h"

namespace {

PixelSize SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

PixelSize OuterSize(std::uint32_t handle) {
    RECT rect = {};
    GetWindowRect(WindowOfNumber(handle), &rect); // a failure leaves the zeros
    return SizeOf(rect);
}

PixelSize WorkAreaSize() {
    RECT rect = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0);
    return SizeOf(rect);
}

void SetOuterSize(std::uint32_t handle, const PixelSize& size) {
    SetWindowPos(WindowOfNumber(handle), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER);
}
