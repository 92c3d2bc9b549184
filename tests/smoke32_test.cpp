// The shipped 32-bit programs on real windows, run under 32-bit Wine by this
// 64-bit driver. Every start of a 32-bit process costs about a minute under
// emulation, so the few runs start at once and are then checked one by one.
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
    const std::string handle = std::to_string(HandleNumber(byHandle));

    const struct {
        std::string program, commandLine, output;
    } rows[] = {
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
    };
    std::vector<std::future<ProgramRun>> runs;
    for (const auto& row : rows)
        runs.push_back(std::async(std::launch::async, [&row] {
            return RunWithPipe(row.program, row.commandLine, EmulatedTimeoutMs);
        }));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const ProgramRun run = runs[i].get();
        EXPECT_FALSE(run.timedOut) << rows[i].commandLine;
        EXPECT_EQ(run.exitCode, 0u) << rows[i].commandLine;
        EXPECT_EQ(run.output, rows[i].output) << rows[i].commandLine;
    }
    RECT rect = {};
    GetWindowRect(resize, &rect);
    EXPECT_EQ(rect.right - rect.left, 500);
    EXPECT_EQ(rect.bottom - rect.top, 400);
    for (HWND window : {probe, resize, byHandle, twin})
        DestroyFixtureWindow(window);
}

} // namespace
