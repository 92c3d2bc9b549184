// The Win32 edge of both programs' own steps: reading and setting a window's
// outer size in pixels. Failures read as 0 by 0 and are otherwise silent.
#pragma once

#include "front/wanted_size.h"

#include <cstdint>

// The outer rectangle's size, frame and title bar included; 0 by 0 when the
// window is gone.
PixelSize OuterSize(std::uint32_t handle);

// The primary display's work area: the screen less the taskbar and docked bars.
PixelSize WorkAreaSize();

// Gives the window this outer size (SetWindowPos with SWP_NOMOVE and
// SWP_NOZORDER): its position and its place in the z-order stay.
void SetOuterSize(std::uint32_t handle, const PixelSize& size);
