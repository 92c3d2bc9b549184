#include "text/text.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(Text, TailOfCommandLine) {
    const struct {
        std::string line, tail;
    } rows[] = {
        {"panefit 640x480 Save", "640x480 Save"},
        {"panefit    640x480", "640x480"},
        {"panefit", ""},
        {"panefit   ", ""},     // blanks only: the tail is empty
        {"panefit /? ", "/? "}, // trailing blanks stay
        {"\"C:\\My Tools\\panefit.exe\" 640x480", "640x480"},
        {"\"C:\\My Tools\\panefit.exe\"640x480", "640x480"}, // right after the quote
        {"\"C:\\unterminated 640x480", ""},                  // no closing quote: nothing left
        {"\"\" 640x480", "640x480"},
        {"   640x480", "640x480"},         // a blank first: the name is empty
        {"panefit\t640x480", "\t640x480"}, // a TAB ends the name and stays
        {"panefit\x01x", "\x01x"},
        {"pane\xe9"
         "fit x",
         "x"},                              // bytes above 127 belong to the name
        {"panefit \"a b\"  ", "\"a b\"  "}, // nothing is unquoted
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TailOfCommandLine(row.line), row.tail) << row.line;
}

TEST(Text, ArgumentOfTail) {
    const struct {
        std::string tail;
        int n;
        std::string argument;
    } rows[] = {
        {"640x480 Save", 1, "640x480"},
        {"640x480 Save", 2, "Save"},
        {"640x480 Save", 3, ""},
        {"640x480 Save", 0, ""},
        {"640x480 \"\" Save", 2, "Save"},      // an empty quoted argument does not count
        {"640x480 \"Save As\"", 2, "Save As"}, // quotes group blanks and go
        {"640x480 \"Save As", 2, "Save As"},   // an open quote runs to the end
        {"\"ab\"cd", 1, "ab"},                 // a closing quote ends an argument...
        {"\"ab\"cd", 2, "cd"},                 // ...and the next starts right after it
        {"ab\"cd\" ef", 1, "ab\"cd\""},        // quotes inside a word are plain bytes
        {"ab\"cd\" ef", 2, "ef"},
        {"  640x480   Save  ", 2, "Save"},
        {"640x480\tSave", 1, "640x480\tSave"}, // TAB is no separator
        {"a \"\" \"\"", 2, ""},
        {"\"\"", 1, ""},
        {"", 1, ""},
        {"   ", 1, ""},
        {"x \" Save As \"", 2, " Save As "},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ArgumentOfTail(row.tail, row.n), row.argument) << row.tail << " #" << row.n;
    // panefit-wait counts an empty pair of quotes where it stands.
    EXPECT_EQ(ArgumentOfTail("640x480 \"\" 20", 2, EmptyQuotes::Counted), "");
    EXPECT_EQ(ArgumentOfTail("640x480 \"\" 20", 3, EmptyQuotes::Counted), "20");
    EXPECT_EQ(ArgumentOfTail("\"\"\"ab\"", 2, EmptyQuotes::Counted), "ab");
}

TEST(Text, Trimming) {
    const struct {
        std::string text, blanks, any;
    } rows[] = {
        {"  Save As  ", "Save As", "Save As"},
        {"\t Save \t", "\t Save \t", "Save"}, // TrimBlanks keeps TABs
        {"\" Save\"", "\" Save\"", "Save"},
        {"Save\"", "Save\"", "Save"},   // a trailing quote alone goes too
        {"a \" b", "a \" b", "a \" b"}, // inside stays
        {"   ", "", ""},
        {" \t\" ", "\t\"", ""},
        {"", "", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(TrimBlanks(row.text), row.blanks) << row.text;
        EXPECT_EQ(TrimAny(row.text, ArgumentTrimSet), row.any) << row.text;
    }
    EXPECT_EQ(TrimAny(" a ", ""), " a ");
}

// The character a byte of the ANSI code page stands for, as a text.
std::string OfAnsiByte(char byte) {
    wchar_t wide = 0;
    MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1);
    return TextFromWide(std::wstring(1, wide));
}

// Every character of the code page lower-cases as Windows' ANSI mapping
// maps its byte, so a query in the code page finds what it found before. Upper
// case too, but where the code page lacks the capital ("\x83" is f with a
// hook, whose capital is U+0191) and the ANSI mapping keeps the byte.
TEST(Text, CaseMappingMatchesThePlatformForEveryByte) {
    for (int byte = 1; byte < 256; ++byte) {
        char lower = static_cast<char>(byte);
        char upper = static_cast<char>(byte);
        CharLowerBuffA(&lower, 1);
        CharUpperBuffA(&upper, 1);
        const std::string text = OfAnsiByte(static_cast<char>(byte));
        EXPECT_EQ(LowerText(text), OfAnsiByte(lower)) << byte;
        if (upper != static_cast<char>(byte) || AnsiFromText(UpperText(text)) != "?") {
            EXPECT_EQ(UpperText(text), OfAnsiByte(upper)) << byte;
        }
    }
    // Other scripts map too; NUL characters keep the length.
    EXPECT_EQ(LowerText(TextFromWide(L"\u00c9t\u00c9 \u0160 \u0421\u041e\u0425 \u03a9")),
              TextFromWide(L"\u00e9t\u00e9 \u0161 \u0441\u043e\u0445 \u03c9"));
    EXPECT_EQ(UpperText(std::string("a\0b", 3)), std::string("A\0B", 3));
    EXPECT_EQ(LowerText(""), "");
}

TEST(Text, FindText) {
    const struct {
        std::string text, pattern;
        int position;
    } rows[] = {
        {"640x480", "x", 4}, {"640480", "x", 0}, {"x480", "x", 1},
        {"640x", "x", 4},    {"a:b:c", ":", 2},  {"abc", "", 1}, // an empty pattern is found at once...
        {"", "", 0},                                             // ...but not in an empty text
        {"", "a", 0},        {"ab", "abc", 0},                   // longer than the text
        {"Save", "save", 0},                                     // case-sensitive
    };
    for (const auto& row : rows)
        EXPECT_EQ(FindText(row.text, row.pattern), row.position) << row.text << " / " << row.pattern;
}

TEST(Text, ContainsIgnoringCase) {
    const struct {
        std::wstring text, pattern;
        bool contains;
    } rows[] = {
        {L"Save As", L"save a", true},
        {L"Save As", L"Save  As", false},
        {L"PAGE SETUP", L"page setup", true},
        {L"\u00c9t\u00e9", L"\u00e9T\u00c9", true}, // accented letters in the other case
        {L"\u0421\u043e\u0445\u0440\u0430\u043d\u0438\u0442\u044c \u043a\u0430\u043a",
         L"\u0421\u041e\u0425\u0420\u0410\u041d\u0418\u0422\u042c", true}, // Cyrillic
        {L"\u0421\u043e\u0445\u0440\u0430\u043d\u0438\u0442\u044c", L"\u0412\u044b\u043f\u043e\u043b",
         false}, // other letters that a code page would make "?"
        {L"\u6587\u4ef6\u4fdd\u5b58", L"\u4fdd\u5b58", true},
        {L"\u6587\u4ef6\u4fdd\u5b58", L"\u4fdd\u5b57", false},
        {L"Ready\u6587", L"Ready?", false}, // "?" is only "?"
        {L"Ready?", L"ready?", true},
        {L"\u03a9mega", L"\u03c9MEGA", true},
        {L"Omega", L"\u03a9mega", false}, // no look-alike letters
        {L"anything", L"", true},
        {L"", L"", false},
        {L"Save", L"Saved", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ContainsIgnoringCase(TextFromWide(row.text), TextFromWide(row.pattern)), row.contains)
            << TextFromWide(row.text) << " / " << TextFromWide(row.pattern);
}

TEST(Text, MidText) {
    const struct {
        std::string text;
        int start, count;
        std::string part;
    } rows[] = {
        {"640x480", 1, 3, "640"}, {"640x480", 5, 2147483647, "480"},
        {"640x480", 1, 0, ""},  // count 0
        {"640x480", 0, 3, ""},  // start 0
        {"640x480", 8, 1, ""},  // past the end
        {"640x480", 7, 5, "0"}, // clipped at the end
        {"640x480", -1, 3, ""},   {"640x480", 2, -1, ""},
        {"", 1, 1, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(MidText(row.text, row.start, row.count), row.part)
            << row.text << " " << row.start << " " << row.count;
}

TEST(Text, TextFromBuffer) {
    wchar_t caption[260] = L"Page Setup \u0421\u043e";
    EXPECT_EQ(TextFromBuffer(caption), "Page Setup \xd0\xa1\xd0\xbe");
    wchar_t full[4] = {L'a', L'b', L'c', L'd'}; // no NUL: the whole buffer
    EXPECT_EQ(TextFromBuffer(full), "abcd");
    wchar_t cut[3] = {L'a', 0xD83D, 0xDE00}; // a pair, cut by a smaller buffer
    EXPECT_EQ(TextFromBuffer(cut, 2), "a");
    EXPECT_EQ(TextFromBuffer(cut), "a\xf0\x9f\x98\x80");
    wchar_t empty[8] = {};
    EXPECT_EQ(TextFromBuffer(empty), "");
}

TEST(Text, FirstUnits) {
    const std::string emoji = "\xf0\x9f\x98\x80"; // two UTF-16 units
    const struct {
        std::string text;
        std::size_t count;
        std::string first;
    } rows[] = {
        {"Page Setup", 4, "Page"},
        {"Page", 9, "Page"},
        {"\xd0\xa1\xd0\xbe\xd1\x85", 2, "\xd0\xa1\xd0\xbe"}, // two-byte characters count one each
        {"\xe6\x96\x87\xe4\xbb\xb6", 1, "\xe6\x96\x87"},
        {"a" + emoji + "b", 3, "a" + emoji},
        {"a" + emoji + "b", 2, "a"}, // never half a pair
        {"", 3, ""},
        {"abc", 0, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FirstUnits(row.text, row.count), row.first) << row.text << " " << row.count;
}

TEST(Text, AnsiFromText) {
    const struct {
        std::wstring text;
        std::string bytes; // in code page 1252
    } rows[] = {
        {L"Page Setup", "Page Setup"},
        {L"R\u00e9sum\u00e9 \u20ac \u0160", "R\xe9sum\xe9 \x80 \x8a"}, // what the code page holds, as before
        {L"\u0421\u043e\u0445 \u6587", "??? ?"},                       // what it lacks
        {L"\u0100\u03a9", "??"},                                       // no look-alike letters: not "AO"
        {L"", ""},
    };
    ASSERT_EQ(GetACP(), 1252u);
    for (const auto& row : rows)
        EXPECT_EQ(AnsiFromText(TextFromWide(row.text)), row.bytes) << row.bytes;
}

TEST(Text, BaseNameOfPath) {
    const struct {
        std::string path, name, fileName;
    } rows[] = {
        {"C:\\tools\\paneprobe.exe", "paneprobe", "paneprobe.exe"},
        {"C:\\tools.v2\\paneprobe", "paneprobe", "paneprobe"}, // a dot in a folder does not count
        {"C:\\tools\\pane.probe.exe", "pane.probe", "pane.probe.exe"},
        {"paneprobe.exe", "paneprobe", "paneprobe.exe"},
        {"C:\\tools\\", "", ""},
        {"", "", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(BaseNameOfPath(row.path), row.name) << row.path;
        EXPECT_EQ(FileNameOfPath(row.path), row.fileName) << row.path;
    }
}

TEST(Text, ProgramBaseNameIsThisExecutable) {
    EXPECT_EQ(ProgramBaseName(), "unit_tests");
}

} // namespace
