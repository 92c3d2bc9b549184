// Reading and writing the numbers a user types and sees: sizes (signed 32-bit)
// and window handles (unsigned 32-bit). Stateless.
#pragma once

#include <cstdint>
#include <string>

// The 80-bit extended format where the compiler has it, so that every 64-bit
// integer is exact; a plain double elsewhere.
using Number = long double;

// Reads a number from the front of a text and ignores the rest; never fails.
// Skips leading blanks, TABs and line feeds. Decimal: optional sign, digits
// with at most one point, optional E/e/D/d exponent ("6.4e2" gives 640).
// Radix: "&H", "&O", "&Q", "&B" or a bare "&" (octal), an optional suffix
// % & && ? ?? ???, with 16- and 32-bit two's complement readings ("&HFFFF"
// gives -1, "&HFFFF&" 65535). A text without a number gives 0.
Number ParseNumber(const std::string& text);

// Decimal digits of an integral value, "-" first when negative, no blank, no
// plus sign, no separators: 4294967295 stays 4294967295. Other values are
// written with up to 15 significant digits ("640.5", "1.70141183460469E+38").
std::string FormatNumber(Number value);

// Rounds to the nearest integer, ties to even (640.5 gives 640, -1.5 gives -2).
// A result outside the signed 32-bit range gives -2147483648.
std::int32_t ToInt32(Number value);

// Rounds like ToInt32 to a signed 64-bit integer and keeps its low 32 bits as
// an unsigned value: -1 gives 4294967295. Outside 64 bits gives 0.
std::uint32_t ToHandle(Number value);
