// What can be read about one window of the desktop by its handle: caption,
// class, program, and whether and how it is shown. The Win32 edge that the lookup,
// panefit-wait and panelist read windows through. Keeps no state but the
// DWM entry point, loaded once.
#pragma once

#include <cstdint>
#include <string>

// How a window stands on the desktop, in the order it is asked: hidden
// (not visible itself or inside a hidden window; also a window that is
// gone), cloaked by DWM (on another virtual desktop, a store app still
// starting), minimised, maximised, or shown as it is.
enum class WindowState { Hidden, Cloaked, Minimised, Maximised, Shown };

// The caption, at most 259 UTF-16 units (GetWindowTextW); "" for a window
// that is gone or has none.
std::string WindowCaption(std::uint32_t handle);

// The class name, at most 259 UTF-16 units; "" for a window that is gone.
std::string WindowClassName(std::uint32_t handle);

// The full path of the program that made the window ("C:\\Setup\\setup.exe"),
// read as Windows allows it for any program, those run as administrator too
// (QueryFullProcessImageNameW with PROCESS_QUERY_LIMITED_INFORMATION); ""
// when it cannot be read (a window that is gone, a protected process).
std::string ProgramPathOfWindow(std::uint32_t handle);

// Where DWM cannot say (before Windows 8, Wine), nothing is cloaked;
// dwmapi.dll is loaded from the system folder on first use only.
WindowState StateOfWindow(std::uint32_t handle);

// On the desktop: the window and every window it sits in are visible
// (IsWindowVisible), and DWM does not cloak it; minimised windows too.
bool IsShown(WindowState state);

// IsShown(StateOfWindow(handle)).
bool IsWindowShown(std::uint32_t handle);

// Windows' ghost windows: shown in place of a window whose program stopped
// handling messages, captioned like it with " (Not Responding)" after. No
// search of panefit-wait or panelist takes one for the window it stands for.
bool IsGhostClass(const std::string& className);
