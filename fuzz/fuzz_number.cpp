// Numbers: whatever is read, the 32-bit values made of it survive writing
// and reading back, and every handle written reads back as itself.
#include "fuzz/check.h"
#include "text/number.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Number value = ParseNumber(text);
    CHECK(value == value); // never NaN

    const std::int32_t size32 = ToInt32(value);
    CHECK(ToInt32(ParseNumber(FormatNumber(size32))) == size32);
    const std::uint32_t handle = ToHandle(value);
    CHECK(ToHandle(ParseNumber(FormatNumber(handle))) == handle);

    std::uint32_t raw = 0;
    std::memcpy(&raw, data, size < sizeof raw ? size : sizeof raw);
    const std::string written = FormatNumber(raw);
    CHECK(FormatNumber(ToHandle(ParseNumber(written))) == written);
    CHECK(ParseNumber("#" + written + ":caption") == 0);
    CHECK(ToHandle(ParseNumber(written + ":caption")) == raw);

    const std::string formatted = FormatNumber(value);
    CHECK(!formatted.empty() && formatted.front() != ' ' && formatted.front() != '+');
    return 0;
}
