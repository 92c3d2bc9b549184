// The shipped 32-bit programs on real windows, run under 32-bit Wine by this
// 64-bit driver. Every start of a 32-bit process costs about a minute under
// emulation, so the eight runs are all asked for at once and checked once
// they have ended: the basics, a window that does not respond, the program's
// own console under a Start-menu title with a caption of control characters,
// and panefit-wait on a dialog that appears only once every other run is over.
#include "search/window_handle.h"
#include "tests/program_runner.h"
#include "tests/window_fixture.h"

#include <gtest/gtest.h>

#include <future>

namespace {

constexpr DWORD EmulatedTimeoutMs = 15 * 60 * 1000;

TEST(Smoke32, ShippedProgramsWorkOnRealWindows) {
    const std::string word = UniqueWord();
    WindowPlan probePlan = {"Probe " + word};
    probePlan.width = 640;
    probePlan.height = 480;
    HWND probe = CreateFixtureWindow(probePlan);
    HWND resize = CreateFixtureWindow({"Resize " + word});
    HWND byHandle = CreateFixtureWindow({"Handle " + word});
    HWND twin = CreateFixtureWindow({"Twin " + word});
    HWND twinButton = CreateFixtureWindow({"Twin " + word + " button", twin, WS_VISIBLE});
    HWND frozen = CreateFrozenWindow("Frozen " + word);
    const std::string handle = std::to_string(HandleNumber(byHandle));

    const RunRow rows[] = {
        {"panefit", "panefit /?",
         Lines({"Usage: panefit WxH \"dialog caption, all or part\"",
                "    or panefit WxH #12345 (hash followed by dialog handle)",
                "Use W or H = -1 to keep current dialog width or height",
                "Use W or H = -2 to give dialog full desktop width or height"})},
        {"paneprobe", "paneprobe probe " + word, Lines({Found(probe, "Probe " + word), "Size: 640x480"})},
        {"panefit", "panefit 500x400 \"resize " + word + "\"",
         Lines({Found(resize, "Resize " + word), "Size set to 500x400"})},
        {"paneprobe", "paneprobe #" + handle, Lines({Found(byHandle, "Handle " + word), "Size: 320x240"})},
        {"paneprobe", "paneprobe twin " + word,
         Lines({"Several dialogs found, please specify which one to take:",
                "  #" + std::to_string(HandleNumber(twin)) + ":Twin " + word,
                "  #" + std::to_string(HandleNumber(twinButton)) + ":Twin " + word + " button"})},
        {"panefit", "panefit 500x400 \"frozen " + word + "\"",
         Lines({Found(frozen, "Frozen " + word), "Size not set: the dialog is not responding."})},
    };

    // cmd.exe from the Start menu titles its console with the command, and a
    // terminal shows that title as its caption.
    const std::string reportWord = UniqueWord();
    const std::string title = "Command Prompt - paneprobe " + reportWord;
    TitleOwnConsole(std::wstring(title.begin(), title.end()));
    HWND terminal = CreateFixtureWindow({title});
    HWND report = CreateFixtureWindow({"Report \x1b[2J\r\x07 " + reportWord});

    // panefit-wait starts first, and its dialog appears only once every other
    // run has ended: it has been waiting all that while.
    const std::string late = "Late " + word;
    HWND lateDialog = nullptr;
    std::promise<void> waitStarted, othersDone;
    std::future<ProgramRun> waiting = std::async(std::launch::async, [&] {
        return RunWithPipe("panefit-wait", "panefit-wait 500x400 \"" + late + "\" 840", EmulatedTimeoutMs,
                           [&] {
                               waitStarted.set_value();
                               othersDone.get_future().wait();
                               lateDialog = CreateFixtureWindow({late});
                           });
    });
    waitStarted.get_future().wait();
    std::vector<std::future<ProgramRun>> runs;
    for (const auto& row : rows)
        runs.push_back(std::async(std::launch::async, [&row] {
            return RunWithPipe(row.program, row.commandLine, EmulatedTimeoutMs);
        }));
    std::future<ProgramRun> inConsole = std::async(std::launch::async, [&] {
        return RunInConsole("paneprobe", "paneprobe " + reportWord, EmulatedTimeoutMs);
    });
    std::vector<ProgramRun> ended;
    for (auto& run : runs)
        ended.push_back(run.get());
    const ProgramRun consoleRun = inConsole.get();
    othersDone.set_value();
    const ProgramRun waitRun = waiting.get();

    for (std::size_t i = 0; i < ended.size(); ++i)
        ExpectRun(ended[i], rows[i].output, rows[i].commandLine);
    ExpectRun(consoleRun, Lines({Found(report, "Report ?[2J?? " + reportWord), "Size: 320x240"}), "console");
    ExpectRun(waitRun, Lines({Found(lateDialog, late), "Size set to 500x400"}), "panefit-wait");
    EXPECT_EQ(SizeOf(resize), "500x400");
    EXPECT_EQ(SizeOf(frozen), "320x240");
    EXPECT_EQ(SizeOf(lateDialog), "500x400");
    ThawWindow(frozen);
    for (HWND window : {probe, resize, byHandle, twin, terminal, report, lateDialog})
        DestroyFixtureWindow(window);
}

} // namespace
