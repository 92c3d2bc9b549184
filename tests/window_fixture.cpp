#include "tests/window_fixture.h"

#include <map>
#include <thread>

namespace {

constexpr UINT RunWork = WM_APP + 1;

LRESULT CALLBACK ControllerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == RunWork) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A message-only window of the fixture thread: SendMessage to it runs work
// there. Message-only windows are not enumerated, so it is never found.
HWND Controller() {
    static HWND controller = [] {
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        HWND made = nullptr;
        std::thread([&made, ready] {
            WNDCLASSA controllerClass = {};
            controllerClass.lpfnWndProc = ControllerProc;
            controllerClass.hInstance = GetModuleHandleA(nullptr);
            controllerClass.lpszClassName = "PaneFixtureController";
            RegisterClassA(&controllerClass);
            RegisterFixtureClass(FixtureClass);
            made = CreateWindowA("PaneFixtureController", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
            SetEvent(ready);
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }).detach();
        WaitForSingleObject(ready, INFINITE);
        CloseHandle(ready);
        return made;
    }();
    return controller;
}

} // namespace

void OnFixtureThread(const std::function<void()>& work) {
    SendMessageA(Controller(), RunWork, 0, reinterpret_cast<LPARAM>(&work));
}

HWND CreateFixtureWindow(const WindowPlan& plan) {
    HWND window = nullptr;
    OnFixtureThread([&] {
        const DWORD style = (plan.style & ~DWORD{WS_VISIBLE}) | (plan.parent ? WS_CHILD : 0);
        window = CreateWindowExA(0, plan.className.c_str(), plan.caption.c_str(), style, plan.x, plan.y,
                                 plan.width, plan.height, plan.parent ? plan.parent : plan.owner, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        if (window && (plan.style & WS_VISIBLE))
            ShowWindow(window, SW_SHOWNA);
    });
    return window;
}

HWND CreateUnicodeWindow(const std::wstring& caption, const std::wstring& className) {
    HWND window = nullptr;
    OnFixtureThread([&] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = className.c_str();
        RegisterClassW(&windowClass); // fails, harmlessly, after the first time
        window = CreateWindowExW(0, className.c_str(), caption.c_str(), WS_OVERLAPPED | WS_CAPTION, 50, 60,
                                 320, 240, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (window)
            ShowWindow(window, SW_SHOWNA);
    });
    return window;
}

HWND AddCrowd(HWND parent, int count, const std::string& lastCaption) {
    HWND last = nullptr;
    OnFixtureThread([&] {
        for (int i = 1; i <= count; ++i)
            last = CreateWindowA(FixtureClass.c_str(), i == count ? lastCaption.c_str() : "", WS_CHILD, 0, 0,
                                 1, 1, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    });
    return last;
}

namespace {

struct FrozenWindow {
    HANDLE thaw;
    std::thread owner;
};

// The frozen windows made and not yet thawed, with their threads.
std::map<HWND, FrozenWindow> frozenWindows;

} // namespace

HWND CreateFrozenWindow(const std::string& caption) {
    RegisterFixtureClass("PaneFrozen"); // fails, harmlessly, after the first time
    HANDLE created = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thaw = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND window = nullptr;
    std::thread owner([&window, created, thaw, caption] {
        HWND made = CreateWindowExA(0, "PaneFrozen", caption.c_str(), WS_OVERLAPPED | WS_CAPTION, 50, 60, 320,
                                    240, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ShowWindow(made, SW_SHOWNA);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        window = made;
        SetEvent(created);
        WaitForSingleObject(thaw, INFINITE); // pumps no messages meanwhile
        DestroyWindow(made);
    });
    WaitForSingleObject(created, INFINITE);
    CloseHandle(created);
    frozenWindows[window] = {thaw, std::move(owner)};
    return window;
}

void ThawWindow(HWND window) {
    const auto found = frozenWindows.find(window);
    if (found == frozenWindows.end())
        return;
    SetEvent(found->second.thaw);
    found->second.owner.join();
    CloseHandle(found->second.thaw);
    frozenWindows.erase(found);
}

void DestroyFixtureWindow(HWND window) {
    OnFixtureThread([&] { DestroyWindow(window); });
}

bool RegisterFixtureClass(const std::string& name) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name.c_str();
    return RegisterClassA(&windowClass) != 0;
}

void UnregisterFixtureClass(const std::string& name) {
    UnregisterClassA(name.c_str(), GetModuleHandleA(nullptr));
}

std::string UniqueWord() {
    static int counter = 0;
    return "pt" + std::to_string(GetCurrentProcessId()) + "n" + std::to_string(++counter);
}

std::string SizeOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

std::string CaptionOf(HWND window) {
    char caption[260] = {};
    GetWindowTextA(window, caption, sizeof caption);
    return caption;
}
