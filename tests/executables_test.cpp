// The built files themselves, read back: the manifest and the version
// resource of every program, in the test build and in the shipped build.
#include "tests/program_runner.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> BuiltPrograms() {
    std::vector<std::string> paths;
    const std::string release = WindowsPath(PANEFIT_RELEASE_DIR);
    for (const char* program : {"panefit", "paneprobe", "panefit-wait", "panelist"}) {
        paths.push_back(ProgramPath(program));
        if (!release.empty())
            paths.push_back(release + "\\" + program + ".exe");
    }
    return paths;
}

std::string ManifestOf(const std::string& path) {
    HMODULE module =
        LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module)
        return "";
    std::string manifest;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        manifest.assign(bytes, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return manifest;
}

std::string VersionString(const std::string& path, const std::string& name) {
    std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), nullptr));
    if (info.empty() || !GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()))
        return "";
    char* value = nullptr;
    UINT length = 0;
    const std::string key = "\\StringFileInfo\\040904B0\\" + name;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || length == 0)
        return "";
    return value;
}

TEST(Executables, CarryTheirManifest) {
    const char* const required[] = {
        "level=\"asInvoker\"",
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
        ">PerMonitorV2, PerMonitor</dpiAwareness>",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10 and 11
    };
    const std::vector<std::string> programs = BuiltPrograms();
    EXPECT_EQ(programs.size(), 8u) << "the shipped build's folder is not known";
    for (const std::string& path : programs) {
        const std::string manifest = ManifestOf(path);
        EXPECT_FALSE(manifest.empty()) << path;
        for (const char* text : required)
            EXPECT_NE(manifest.find(text), std::string::npos) << path << " lacks " << text;
    }
}

TEST(Executables, CarryTheirVersion) {
    for (const std::string& path : BuiltPrograms()) {
        const std::string name = path.substr(path.rfind('\\') + 1);
        EXPECT_EQ(VersionString(path, "ProductName"), "panefit and paneprobe") << path;
        EXPECT_EQ(VersionString(path, "ProductVersion"), PANEFIT_VERSION) << path;
        EXPECT_EQ(VersionString(path, "FileVersion"), PANEFIT_VERSION) << path;
        EXPECT_EQ(VersionString(path, "OriginalFilename"), name) << path;
        EXPECT_FALSE(VersionString(path, "FileDescription").empty()) << path;
    }
}

} // namespace
