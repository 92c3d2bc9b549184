// The Win32 edge of panefit-wait's question whether a window is ready to be
// sized: shown on the desktop, and a window of its own. Nothing here keeps state but the once-loaded
// DWM entry point.
#pragma once

#include <cstdint>

// The window and every window it sits in are visible (IsWindowVisible), and
// DWM does not cloak it (on another virtual desktop, a store app still
// starting up). Where DWM cannot say (before Windows 8, Wine), nothing is
// cloaked; dwmapi.dll is loaded from the system folder on first use only.
bool IsWindowShown(std::uint32_t handle);

// A window of its own on the desktop, owned or not (a dialog), not a
// control or any other window inside another.
bool IsTopLevelWindow(std::uint32_t handle);
