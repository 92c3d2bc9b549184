// Captions in every script: queries, captions, class and program names are
// compared as the characters they are, never as the "?" that a code page
// makes of a character it lacks. A console shows every character; files and
// pipes get the ANSI code page, as scripts read them.
#include "search/window_handle.h"
#include "tests/program_runner.h"
#include "tests/window_fixture.h"

#include <gtest/gtest.h>

namespace {

// On code page 1252, with windows whose captions share what the code page
// would keep of them: the query finds the one it names.
TEST(Unicode, QueriesMatchTheCharactersTheyHold) {
    const std::string word = UniqueWord();
    const std::wstring w = Widened(word) + L" ";
    const std::wstring save = L"\u0421\u043e\u0445\u0440\u0430\u043d\u0438\u0442\u044c "
                              L"\u0434\u043e\u043a\u0443\u043c\u0435\u043d\u0442"; // Сохранить документ
    const std::wstring run = L"\u0412\u044b\u043f\u043e\u043b\u043d\u0438\u0442\u044c "
                             L"\u043f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u0443"; // Выполнить программу
    const std::wstring chinese = L"\u6587\u4ef6\u4fdd\u5b58\u5bf9\u8bdd\u6846"; // 文件保存对话框
    HWND saveWindow = CreateUnicodeWindow(w + save);
    HWND runWindow = CreateUnicodeWindow(w + run);
    HWND chineseWindow = CreateUnicodeWindow(w + chinese);
    HWND ready = CreateUnicodeWindow(w + L"Ready?");
    HWND readyWen = CreateUnicodeWindow(w + L"Ready\u6587");
    HWND resume = CreateUnicodeWindow(w + L"R\u00e9sum\u00e9 \u20ac");
    ASSERT_EQ(GetACP(), 1252u);
    // What a pipe gets: every character of code page 1252 as its byte, "?"
    // for each other one.
    const std::string saveBytes = word + " ????????? ????????";
    const std::string runBytes = word + " ????????? ?????????";
    const struct {
        std::string program;
        std::wstring tail;
        std::string output;
    } rows[] = {
        {"paneprobe", w + chinese.substr(0, 4),
         Lines({Found(chineseWindow, word + " ???????"), "Size: 320x240"})},
        {"paneprobe",
         w + L"\u0441\u043e\u0445\u0440\u0430\u043d\u0438\u0442\u044c", // сохранить: another case
         Lines({Found(saveWindow, saveBytes), "Size: 320x240"})},
        {"paneprobe", w + L"\u0412\u042b\u041f\u041e\u041b",
         Lines({Found(runWindow, runBytes), "Size: 320x240"})},
        {"paneprobe", w + L"Ready?", Lines({Found(ready, word + " Ready?"), "Size: 320x240"})}, // not Ready文
        {"paneprobe", w + L"r\u00c9sum\u00c9",
         Lines({Found(resume, word + " R\xe9sum\xe9 \x80"), "Size: 320x240"})},
        {"paneprobe", w + L"\u4fdd\u5b57", "No dialog found.\r\n"}, // 保字: a "?" of its own would match
        {"panefit", L"640x480 \"" + w + save.substr(0, 9) + L"\"",
         Lines({Found(saveWindow, saveBytes), "Size set to 640x480"})},
        {"panefit-wait", L"500x400 \"" + w + run.substr(0, 9) + L"\" 5",
         Lines({Found(runWindow, runBytes), "Size set to 500x400"})},
    };
    for (const auto& row : rows) {
        const std::wstring commandLine = Widened(row.program) + L" " + row.tail;
        const ProgramRun result = RunWithPipe(row.program, commandLine);
        ExpectRun(result, row.output, row.program + " " + row.output);
    }
    EXPECT_EQ(SizeOf(saveWindow), "640x480");
    EXPECT_EQ(SizeOf(runWindow), "500x400");
    EXPECT_EQ(SizeOf(chineseWindow), "320x240"); // none of the others was touched
    EXPECT_EQ(SizeOf(readyWen), "320x240");

    // A console shows each character as it is.
    const ProgramRun shown = RunInConsole("paneprobe", L"paneprobe " + w + chinese);
    EXPECT_EQ(shown.shown, L"Dialog found: #" + std::to_wstring(HandleNumber(chineseWindow)) + L" \"" + w +
                               chinese + L"\"\r\nSize: 320x240\r\n");
    for (HWND window : {saveWindow, runWindow, chineseWindow, ready, readyWen, resume})
        DestroyFixtureWindow(window);
}

// panefit-wait's /class: and /program: and panelist read class and program
// names in any script, and compare them in any letter case.
TEST(Unicode, ClassAndProgramNamesInAnyScript) {
    const std::string word = UniqueWord();
    const std::wstring windowClass = L"\u041e\u043a\u043d\u043e" + Widened(word); // Окно...
    HWND window = CreateUnicodeWindow(Widened(word) + L" classed", windowClass);
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring program = std::wstring(folder) + L"\u043e\u0442\u0447\u0451\u0442.exe"; // отчёт.exe
    ASSERT_TRUE(
        CopyFileW(Widened(ProgramPath(BesideThisTest("window_patterns"))).c_str(), program.c_str(), FALSE));
    const PROCESS_INFORMATION process =
        StartProgramFile(program, L"report plain 0 \"" + Widened(word) + L" report\"");
    const std::vector<HWND> shown = WaitForWindows(process.dwProcessId, "PanePattern");
    ASSERT_EQ(shown.size(), 1u);

    ExpectRun(RunWithPipe("panefit-wait", L"panefit-wait 500x400 \"\" /class:\u041e\u041a\u041d\u041e" +
                                              Widened(word) + L" 5"),
              Lines({Found(window, word + " classed"), "Size set to 500x400"}), "class");
    ExpectRun(
        RunWithPipe("panefit-wait", L"panefit-wait 400x300 \"\" /program:\u041e\u0422\u0427\u0401\u0422 5"),
        Lines({Found(shown.front(), word + " report"), "Size set to 400x300"}), "program");
    ExpectRun(RunWithPipe("panelist", "panelist /csv " + word + " report"),
              Lines({"Handle,Width,Height,State,Program,Class,Caption",
                     "#" + std::to_string(HandleNumber(shown.front())) +
                         ",400,300,shown,?????.exe,PanePattern," + word + " report"}),
              "panelist");
    EndProgram(process);
    DeleteFileW(program.c_str());
    DestroyFixtureWindow(window);
}

// On a Japanese system (code page 932) the second byte of a character can be
// an ASCII one: "ソ" is 83 5C, and 5C is "\". Run with LC_ALL=ja_JP.UTF-8,
// which gives this process and the programs it starts code page 932.
TEST(CodePage932, APartOfACharacterIsNoCharacter) {
    ASSERT_EQ(GetACP(), 932u) << "run with LC_ALL=ja_JP.UTF-8";
    const std::string word = UniqueWord();
    // ソ<word> ソフトウェア更新
    HWND window =
        CreateUnicodeWindow(L"\u30bd" + Widened(word) + L" \u30bd\u30d5\u30c8\u30a6\u30a7\u30a2\u66f4\u65b0");
    const std::string number = std::to_string(HandleNumber(window));
    ExpectRuns({
        {"paneprobe", "paneprobe \\" + word, "No dialog found.\r\n"},
        {"paneprobe", "paneprobe #" + number,
         Lines({"Dialog found: #" + number + " \"\x83\x5c" + word +
                    " \x83\x5c\x83\x74\x83\x67\x83\x45\x83\x46\x83\x41\x8d\x58\x90\x56\"",
                "Size: 320x240"})},
    });
    DestroyFixtureWindow(window);
}

} // namespace
