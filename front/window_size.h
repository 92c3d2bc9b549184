// The Win32 edge of both programs' own steps: reading and setting a window's
// outer size in pixels. Each call says how it went by the Win32 error code
// it met, 0 when it worked; nothing here writes a line. A size change still
// under way when its caller stops waiting keeps a thread of its own until
// the window's program lets it end, or the process ends.
#pragma once

#include "front/wanted_size.h"

#include <cstdint>

struct SizeReading {
    PixelSize size;      // 0 by 0 when it could not be read
    std::uint32_t error; // 0, or GetWindowRect's error (ErrorWithoutCode when it gave none)
};

// The outer rectangle's size, frame and title bar included.
SizeReading ReadOuterSize(std::uint32_t handle);

// The primary display's work area: the screen less the taskbar and docked
// bars; 0 by 0 when it cannot be read.
PixelSize WorkAreaSize();

// False only when the window's thread lets a message wait for timeoutMs, or
// at once when Windows deems that thread hung (5 s without handling
// messages). A window that is gone or refuses the message counts as
// answering: setting its size says why.
bool WindowAnswers(std::uint32_t handle, unsigned timeoutMs);

// Whether a size change may bring its window to the front: SetWindowPos's
// own way, which activates a top-level window, or never (SWP_NOACTIVATE).
enum class Activation { AsSetWindowPos, Never };

// Gives the window this outer size (SetWindowPos with SWP_NOMOVE and
// SWP_NOZORDER): its position and its place in the z-order stay. A maximised
// window is restored first, without being activated, so that it keeps the
// size when it is restored later. A minimised window is left alone
// (ErrorMinimised): Windows would restore it to its old size. SetWindowPos
// waits until the window's thread has handled the change, so the window's
// program gets budgetMs in all, first to answer a message, then to make the
// change; beyond that the result is ERROR_TIMEOUT. A window gone by then
// gives ERROR_INVALID_WINDOW_HANDLE; otherwise 0 once the size is set, or
// SetWindowPos's error (ErrorWithoutCode when it gave none).
std::uint32_t SetOuterSize(std::uint32_t handle, const PixelSize& size, unsigned budgetMs,
                           Activation activation = Activation::AsSetWindowPos);
