// Window handles as users see and type them: 32-bit numbers, also in a 64-bit
// build. Windows keeps handles within 32 bits so that 32- and 64-bit programs
// can exchange them; these two functions are the only place that converts.
#pragma once

#include <windows.h>

#include <cstdint>

// The handle's low 32 bits as an unsigned number.
inline std::uint32_t HandleNumber(HWND window) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

// The handle a number stands for: the 32-bit value sign-extended, as Windows
// does when a 32-bit handle reaches a 64-bit process.
inline HWND WindowOfNumber(std::uint32_t number) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(number)));
}
