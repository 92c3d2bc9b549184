#include "search/window_facts.h"

#include "search/window_handle.h"
#include "text/text.h"

namespace {

constexpr DWORD DwmCloakedAttribute = 14; // DWMWA_CLOAKED, Windows 8 and later

using DwmGetWindowAttributeCall = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);

// Loaded at run time, so that the programs import no more than before and
// start where DWM is absent. Only the system folder is searched: a
// dwmapi.dll beside the program or in the current folder is never loaded.
DwmGetWindowAttributeCall DwmGetWindowAttributeEntry() {
    static const DwmGetWindowAttributeCall entry = [] {
        HMODULE dwm = LoadLibraryExA("dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        const FARPROC found = dwm ? GetProcAddress(dwm, "DwmGetWindowAttribute") : nullptr;
        return reinterpret_cast<DwmGetWindowAttributeCall>(reinterpret_cast<void (*)()>(found));
    }();
    return entry;
}

bool IsCloaked(HWND window) {
    const DwmGetWindowAttributeCall get = DwmGetWindowAttributeEntry();
    DWORD cloaked = 0;
    return get &&
           SUCCEEDED(get(GetAncestor(window, GA_ROOT), DwmCloakedAttribute, &cloaked, sizeof cloaked)) &&
           cloaked != 0;
}

} // namespace

std::string WindowCaption(std::uint32_t handle) {
    wchar_t caption[260] = {};
    GetWindowTextW(WindowOfNumber(handle), caption, 260); // a failure leaves it empty
    return TextFromBuffer(caption);
}

std::string WindowClassName(std::uint32_t handle) {
    wchar_t name[260] = {};
    GetClassNameW(WindowOfNumber(handle), name, 260); // a failure leaves it empty
    return TextFromBuffer(name);
}

std::string ProgramPathOfWindow(std::uint32_t handle) {
    DWORD processId = 0;
    if (!GetWindowThreadProcessId(WindowOfNumber(handle), &processId))
        return "";
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return "";
    std::wstring path(32768, L'\0'); // the longest path Windows allows
    DWORD length = static_cast<DWORD>(path.size());
    const bool read = QueryFullProcessImageNameW(process, 0, path.data(), &length) != 0;
    CloseHandle(process);
    path.resize(read ? length : 0);
    return TextFromWide(path);
}

WindowState StateOfWindow(std::uint32_t handle) {
    HWND window = WindowOfNumber(handle);
    if (!IsWindowVisible(window))
        return WindowState::Hidden;
    if (IsCloaked(window))
        return WindowState::Cloaked;
    if (IsIconic(window))
        return WindowState::Minimised;
    return IsZoomed(window) ? WindowState::Maximised : WindowState::Shown;
}

bool IsShown(WindowState state) {
    return state != WindowState::Hidden && state != WindowState::Cloaked;
}

bool IsWindowShown(std::uint32_t handle) {
    return IsShown(StateOfWindow(handle));
}

bool IsGhostClass(const std::string& className) {
    return EqualsIgnoringCase(className, "Ghost");
}
