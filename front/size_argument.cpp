#include "front/size_argument.h"

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
