#include "front/wanted_size.h"

#include "text/number.h"
#include "text/text.h"

WantedSize ReadWantedSize(const std::string& argument) {
    const std::string size = TrimBlanks(argument);
    const int separator = FindText(LowerText(size), "x");
    if (separator == 0)
        return {false, 0, 0};
    return {true, ToInt32(ParseNumber(MidText(size, 1, separator - 1))),
            ToInt32(ParseNumber(MidText(size, separator + 1, 2147483647)))};
}

PixelSize ResolveWantedSize(const WantedSize& wanted, const PixelSize& current, const PixelSize& workArea) {
    PixelSize size = {wanted.width, wanted.height};
    if (size.width == -1)
        size.width = current.width;
    if (size.height == -1)
        size.height = current.height;
    if (size.width == -2)
        size.width = workArea.width;
    if (size.height == -2)
        size.height = workArea.height;
    return size;
}

std::string SizeText(const PixelSize& size) {
    return FormatNumber(size.width) + "x" + FormatNumber(size.height);
}
