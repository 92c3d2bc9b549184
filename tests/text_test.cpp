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

TEST(Text, CaseMappingMatchesThePlatformForEveryByte) {
    for (int byte = 1; byte < 256; ++byte) {
        char lower = static_cast<char>(byte);
        char upper = static_cast<char>(byte);
        CharLowerBuffA(&lower, 1);
        CharUpperBuffA(&upper, 1);
        const std::string text(1, static_cast<char>(byte));
        EXPECT_EQ(LowerText(text), std::string(1, lower)) << byte;
        EXPECT_EQ(UpperText(text), std::string(1, upper)) << byte;
    }
    // Accented letters of code page 1252 map too; NUL bytes keep the length.
    EXPECT_EQ(LowerText("\xc9t\xc9 \x8a"), "\xe9t\xe9 \x9a");
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
        std::string text, pattern;
        bool contains;
    } rows[] = {
        {"Save As", "save a", true},
        {"Save As", "Save  As", false},
        {"PAGE SETUP", "page setup", true},
        {"\xc9t\xe9", "\xe9T\xc9", true}, // accented letters in the other case
        {"anything", "", true},
        {"", "", false},
        {"Save", "Saved", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ContainsIgnoringCase(row.text, row.pattern), row.contains)
            << row.text << " / " << row.pattern;
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
    char caption[260] = "Page Setup";
    EXPECT_EQ(TextFromBuffer(caption), "Page Setup");
    char full[4] = {'a', 'b', 'c', 'd'}; // no NUL: the whole buffer
    EXPECT_EQ(TextFromBuffer(full), "abcd");
    char empty[8] = {};
    EXPECT_EQ(TextFromBuffer(empty), "");
}

TEST(Text, BaseNameOfPath) {
    const struct {
        std::string path, name;
    } rows[] = {
        {"C:\\tools\\paneprobe.exe", "paneprobe"},
        {"C:\\tools.v2\\paneprobe", "paneprobe"}, // a dot in a folder does not count
        {"C:\\tools\\pane.probe.exe", "pane.probe"},
        {"paneprobe.exe", "paneprobe"},
        {"C:\\tools\\", ""},
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BaseNameOfPath(row.path), row.name) << row.path;
}

TEST(Text, ProgramBaseNameIsThisExecutable) {
    EXPECT_EQ(ProgramBaseName(), "unit_tests");
}

} // namespace
