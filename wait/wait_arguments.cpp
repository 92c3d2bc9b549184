#include "wait/wait_arguments.h"

#include "search/dialog_query.h"
#include "text/number.h"
#include "text/text.h"

namespace {

// The name an option "/class:NAME" gives, blanks trimmed, when the argument
// is that option in any letter case; ok is false for another option.
std::string OptionValue(const std::string& argument, const std::string& prefix, bool& ok) {
    ok = LowerText(MidText(argument, 1, static_cast<int>(prefix.size()))) == prefix;
    return ok ? TrimBlanks(MidText(argument, static_cast<int>(prefix.size()) + 1, 2147483647)) : "";
}

// Takes one option into the request; false for an unknown option, one given
// twice, or a name option without a name.
bool TakeOption(const std::string& argument, WaitRequest& request) {
    if (LowerText(argument) == "/exact") {
        const bool first = !request.exact;
        request.exact = true;
        return first;
    }
    std::string* const fields[] = {&request.className, &request.program};
    const char* const prefixes[] = {"/class:", "/program:"};
    for (int i = 0; i < 2; ++i) {
        bool ok = false;
        const std::string name = OptionValue(argument, prefixes[i], ok);
        if (ok) {
            const bool first = fields[i]->empty();
            *fields[i] = name;
            return first && !name.empty();
        }
    }
    return false;
}

} // namespace

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
    if (!NamesHandle(dialogArgument))
        return true;
    const Number handle = ParseNumber(MidText(dialogArgument, 2, 2147483647));
    return handle >= 1 && handle <= 4294967295.0L && handle == static_cast<Number>(ToHandle(handle));
}

WaitRequest ReadWaitRequest(const std::vector<std::string>& arguments) {
    WaitRequest request = {true, "", DefaultWaitSeconds, false, "", ""};
    if (!arguments.empty())
        request.dialog = TrimAny(arguments.front(), ArgumentTrimSet);
    bool limitGiven = false;
    for (std::size_t i = 1; i < arguments.size() && request.valid; ++i) {
        const std::string& argument = arguments[i];
        if (MidText(argument, 1, 1) == "/") {
            request.valid = TakeOption(argument, request);
            continue;
        }
        const WaitLimit limit = ReadWaitLimit(argument);
        request.valid = limit.valid && !limitGiven;
        request.seconds = limit.seconds;
        limitGiven = true;
    }
    const bool namesWindowAlone = !request.className.empty() || !request.program.empty();
    const bool canMatch = request.dialog.empty() ? namesWindowAlone : CanNameDialog(request.dialog);
    const bool exactCaption = !request.exact || (!request.dialog.empty() && !NamesHandle(request.dialog));
    request.valid = request.valid && canMatch && exactCaption;
    return request;
}
