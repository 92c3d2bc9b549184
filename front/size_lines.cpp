#include "front/size_lines.h"

#include "text/number.h"

namespace {

std::string OtherError(std::uint32_t error) {
    return "error " + FormatNumber(error == ErrorWithoutCode ? 0 : error) + ".";
}

} // namespace

std::string SizeSetLine(std::uint32_t error, const PixelSize& size) {
    switch (error) {
    case 0:
        return "Size set to " + SizeText(size);
    case ErrorTimeout:
        return "Size not set: the dialog is not responding.";
    case ErrorInvalidWindowHandle:
        return "Size not set: the dialog has closed.";
    case ErrorMinimised:
        return "Size not set: the dialog is minimised.";
    case ErrorAccessDenied:
        return "Size not set: access denied (the dialog runs with higher rights).";
    default:
        return "Size not set: " + OtherError(error);
    }
}

std::string SizeReadLine(std::uint32_t error, const PixelSize& size) {
    switch (error) {
    case 0:
        return "Size: " + SizeText(size);
    case ErrorInvalidWindowHandle:
        return "Size not read: the dialog has closed.";
    default:
        return "Size not read: " + OtherError(error);
    }
}
