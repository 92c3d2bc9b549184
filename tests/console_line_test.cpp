#include "search/console_line.h"

#include <gtest/gtest.h>

namespace {

TEST(ConsoleLine, ShownOnConsole) {
    const struct {
        std::wstring text, shown;
    } rows[] = {
        {L"Page Setup", L"Page Setup"},
        {L"Evil\rDialog found: #1", L"Evil?Dialog found: #1"}, // would rewrite the line
        {L"a\nb\bc\ad", L"a?b?c?d"},
        {L"\x1b[2J", L"?[2J"}, // no escape sequence reaches the terminal
        {std::wstring(L"a\0b", 3), L"a?b"},
        {L"\x1f\x20\x7e\x7f", L"? ~?"},
        {L"\x80\x81\x9f\xa0", L"???\xa0"}, // C1 controls; the no-break space stays
        {L"tab\there", L"tab\there"},      // TAB stays
        {L"R\xe9sum\xe9 \x20ac \x2014", L"R\xe9sum\xe9 \x20ac \x2014"},
        {L"", L""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ShownOnConsole(row.text), row.shown);
}

} // namespace
