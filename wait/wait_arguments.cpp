#include "wait/wait_arguments.h"

#include "text/number.h"
#include "text/text.h"

WaitLimit ReadWaitLimit(const std::string& argument) {
    const std::string digits = TrimBlanks(argument);
    if (digits.empty())
        return {true, DefaultWaitSeconds};
    std::uint64_t seconds = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return {false, 0};
        seconds = seconds * 10 + static_cast<std::uint64_t>(c - '0');
        if (seconds > UINT32_MAX)
            return {false, 0};
    }
    return {true, static_cast<std::uint32_t>(seconds)};
}

bool CanNameDialog(const std::string& dialogArgument) {
    if (dialogArgument.empty())
        return false;
    if (MidText(dialogArgument, 1, 1) != "#")
        return true;
    const Number handle = ParseNumber(MidText(dialogArgument, 2, 2147483647));
    return handle >= 1 && handle <= 4294967295.0L && handle == static_cast<Number>(ToHandle(handle));
}
