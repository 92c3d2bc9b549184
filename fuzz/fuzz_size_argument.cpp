// panefit's size argument: a syntax error exactly when there is no x, and the
// special sides resolved as documented.
#include "front/wanted_size.h"
#include "fuzz/check.h"
#include "text/text.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string argument(reinterpret_cast<const char*>(data), size);
    const WantedSize wanted = ReadWantedSize(argument);
    const std::string trimmed = TrimBlanks(argument);
    CHECK(wanted.hasSeparator == (trimmed.find_first_of("xX") != std::string::npos));
    if (!wanted.hasSeparator)
        return 0;

    const PixelSize current = {static_cast<std::int32_t>(size), static_cast<std::int32_t>(size) * 3};
    const PixelSize workArea = {1280, 1024};
    const PixelSize resolved = ResolveWantedSize(wanted, current, workArea);
    const auto expected = [](std::int32_t side, std::int32_t kept, std::int32_t full) {
        return side == -1 ? kept : side == -2 ? full : side;
    };
    CHECK(resolved.width == expected(wanted.width, current.width, workArea.width));
    CHECK(resolved.height == expected(wanted.height, current.height, workArea.height));
    CHECK(SizeText(resolved).find('x') != std::string::npos);
    return 0;
}
