// The Win32 edge of both programs' own steps: reading and setting a window's
// outer size in pixels. Each call says how it went by the Win32 error code
// it met, 0 when it worked; nothing here writes a line.
#pragma once

#include "front/wanted_size.h"

#include <cstdint>

struct SizeReading {
    PixelSize size;      // 0 by 0 when it could not be read
    std::uint32_t error; // 0, or GetLastError of GetWindowRect
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

// Gives the window this outer size (SetWindowPos with SWP_NOMOVE and
// SWP_NOZORDER): its position and its place in the z-order stay. SetWindowPos
// waits until the window's thread has handled the change, so the window gets
// at most 5 seconds to answer a message first; when it does not, nothing is
// asked of it and the result is ERROR_TIMEOUT. Otherwise 0 once the size is
// set, or SetWindowPos's error.
std::uint32_t SetOuterSize(std::uint32_t handle, const PixelSize& size);
