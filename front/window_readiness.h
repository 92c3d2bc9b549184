// The Win32 edge of panefit-wait's question whether a window is ready to be
// sized: shown on the desktop, and its program handling messages. Nothing
// here keeps state but the once-loaded DWM entry point.
#pragma once

#include <cstdint>

// The window and every window it sits in are visible (IsWindowVisible), and
// DWM does not cloak it (on another virtual desktop, a store app still
// starting up). Where DWM cannot say (before Windows 8, Wine), nothing is
// cloaked; dwmapi.dll is loaded from the system folder on first use only.
bool IsWindowShown(std::uint32_t handle);

// False only when the window's thread lets a message wait for timeoutMs, or
// at once when Windows deems that thread hung (5 s without handling
// messages). A window that is gone or refuses the message counts as
// answering: setting its size says why.
bool WindowAnswers(std::uint32_t handle, unsigned timeoutMs);
