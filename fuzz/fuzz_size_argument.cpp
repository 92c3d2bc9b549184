// panefit's size argument: a syntax error exactly when there is no x, and the
// special sides resolved as documented. The same bytes as panefit-wait's
// limit: valid exactly when they are digits of a 32-bit number, which reads
// back as those digits.
#include "front/wait_limit.h"
#include "front/wanted_size.h"
#include "fuzz/check.h"
#include "text/number.h"
#include "text/text.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string argument(reinterpret_cast<const char*>(data), size);
    const WantedSize wanted = ReadWantedSize(argument);
    const std::string trimmed = TrimBlanks(argument);
    CHECK(wanted.hasSeparator == (trimmed.find_first_of("xX") != std::string::npos));

    const WaitLimit limit = ReadWaitLimit(argument);
    const bool digits = trimmed.find_first_not_of("0123456789") == std::string::npos;
    const std::size_t first = trimmed.find_first_not_of('0');
    const std::string significant = first == std::string::npos ? "0" : trimmed.substr(first);
    const bool fits = significant.size() < 10 || (significant.size() == 10 && significant <= "4294967295");
    CHECK(limit.valid == (trimmed.empty() || (digits && fits)));
    if (limit.valid)
        CHECK(FormatNumber(limit.seconds) == (trimmed.empty() ? "30" : significant));
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
