#include "wait/window_readiness.h"

#include "search/window_handle.h"

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

bool IsWindowShown(std::uint32_t handle) {
    HWND window = WindowOfNumber(handle);
    return IsWindowVisible(window) && !IsCloaked(window);
}

bool IsTopLevelWindow(std::uint32_t handle) {
    HWND window = WindowOfNumber(handle);
    return GetAncestor(window, GA_ROOT) == window;
}
