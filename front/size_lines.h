// The size lines both programs end with, and the Win32 errors that decide
// them. Stateless and free of Win32.
#pragma once

#include "front/wanted_size.h"

#include <cstdint>

// The Win32 error codes the lines tell apart (ERROR_ACCESS_DENIED,
// ERROR_INVALID_WINDOW_HANDLE, ERROR_TIMEOUT).
constexpr std::uint32_t ErrorAccessDenied = 5;
constexpr std::uint32_t ErrorInvalidWindowHandle = 1400;
constexpr std::uint32_t ErrorTimeout = 1460;

// What Windows has no error code for, as codes of the program's own: bit 29
// marks them, and Windows never sets it in its own codes.
constexpr std::uint32_t ErrorWithoutCode = 0x20000000; // the call failed and set no error
constexpr std::uint32_t ErrorMinimised = 0x20000001;   // a size set now is lost on restoring

// The sizing programs' last line: "Size set to 640x480" with the size given
// when error is 0; otherwise "Size not set: " and why (the window did not respond,
// has closed, is minimised, refused a program of lower rights, or "error N.",
// "error 0." when the call failed without a code).
std::string SizeSetLine(std::uint32_t error, const PixelSize& size);

// paneprobe's last line: "Size: 640x480" when error is 0; otherwise
// "Size not read: " and why (the window has closed, or "error N.", "error 0."
// when the call failed without a code).
std::string SizeReadLine(std::uint32_t error, const PixelSize& size);
