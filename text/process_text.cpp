#include "text/text.h"

#include <windows.h>

namespace {

// UTF-16 in any code page, "?" for what it cannot hold.
std::string MultiByteText(const std::wstring& wide, UINT codePage, DWORD flags) {
    const int length = static_cast<int>(wide.size());
    const int bytes = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), length, text.data(), bytes, nullptr, nullptr);
    return text;
}

} // namespace

const std::string& CommandTail() {
    static const std::string tail = TailOfCommandLine(TextFromWide(GetCommandLineW()));
    return tail;
}

std::string CommandArgument(int n) {
    return ArgumentOfTail(CommandTail(), n);
}

std::string ProgramBaseName() {
    wchar_t path[264] = {};
    GetModuleFileNameW(nullptr, path, 264); // a failure leaves the name empty
    return BaseNameOfPath(TextFromBuffer(path, 260));
}

std::string TextFromWide(const std::wstring& wide) {
    return MultiByteText(wide, CP_UTF8, 0);
}

std::wstring WideFromText(const std::string& text) {
    const int length = static_cast<int>(text.size());
    std::wstring wide(text.size(), L'\0');
    wide.resize(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), length)));
    return wide;
}

std::string TextFromBuffer(const wchar_t* buffer, std::size_t size) {
    std::size_t length = 0;
    while (length < size && buffer[length] != L'\0')
        ++length;
    if (length > 0 && IS_HIGH_SURROGATE(buffer[length - 1]))
        --length;
    return TextFromWide(std::wstring(buffer, length));
}

std::string AnsiFromText(const std::string& text) {
    return MultiByteText(WideFromText(text), CP_ACP, WC_NO_BEST_FIT_CHARS);
}
