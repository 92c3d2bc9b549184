// A program that makes its window the way real programs do, for the tests of
// panefit-wait and panefit: the caption comes long before the window is
// ready, and a ready window may still be in a state that sizing must respect.
// Usage: window_patterns PATTERN DELAY_MS "CAPTION"
// After DELAY_MS it makes one window of that caption, as PATTERN says:
//   plain           shown at once
//   with-preview    shown at once, beside a second window captioned with
//                   " - Preview" after
//   hidden-loading  hidden while it loads (2 s, handling messages), then given
//                   its saved size, 520x360, and shown
//   slow-init       a dialog box whose WM_INITDIALOG takes 7 s
//   late-layout     shown at once, laid out at 520x360 0.3 s later
//   hidden-twin     a shown window and a hidden owner window of that caption
//   never-shown     hidden for good
//   restless        shown at once, and laid out every 0.1 s, at 520x360 and
//                   530x370 by turns
//   minimised       shown minimised, restored 4 s later
//   maximised       shown maximised, as a program restores its saved state
//   refusing        shown at once; keeps its size whatever is asked
//   min-size        shown at once; keeps to at least 700x500
//   button-first    a main window with a button of that caption, and 3 s
//                   later a dialog of that caption, owned by the main window
//   blocking-resize answers messages, but spends 30 s in each size change
//                   made from outside
//   restore-and-load puts its saved size back after the first size change
//                   from outside, then loads for 6 s, handling no messages
//   replaced        at the first size change from outside, closes its window
//                   and shows a new one of that caption 0.5 s later (a wizard
//                   page of its own, a splash before the main window)
//   ghost           hidden and busy for 3 s while a window of class Ghost,
//                   captioned with " (Not Responding)" after, stands in its
//                   place, as Windows shows one for a program that hangs;
//                   then shown
// No window is activated. Its windows start at 300x200 pixels, the dialog
// box at 200x120 dialog units. It ends after a minute, or when one of its
// windows closes (but for the one it replaces).
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int SavedWidth = 520, SavedHeight = 360;
constexpr UINT PutSizeBack = WM_APP;
constexpr UINT Replace = WM_APP + 1;

std::string pattern;
std::string caption;
bool fought = false;           // restore-and-load: its saved size is back
HWND replacedWindow = nullptr; // replaced: the window closed for a new one

// Handles messages for ms milliseconds, as a program does while it loads.
void HandleMessagesFor(DWORD ms) {
    const ULONGLONG until = GetTickCount64() + ms;
    for (ULONGLONG now = GetTickCount64(); now < until; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
}

void SetSavedSize(HWND window) {
    SetWindowPos(window, nullptr, 0, 0, SavedWidth, SavedHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND MakeWindow(const std::string& text, HWND owner = nullptr, DWORD style = 0) {
    return CreateWindowA("PanePattern", text.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | style, 80,
                         90, 300, 200, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// True for a change of the window's size that the program did not make.
bool SizedFromOutside(HWND window, const WINDOWPOS& pos) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return !(pos.flags & SWP_NOSIZE) &&
           (pos.cx != rect.right - rect.left || pos.cy != rect.bottom - rect.top) &&
           (pos.cx != SavedWidth || pos.cy != SavedHeight);
}

LRESULT CALLBACK PatternProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: // the late layout, once or again and again
        if (wParam == 1)
            KillTimer(window, wParam);
        SetSavedSize(window);
        break;
    case WM_GETMINMAXINFO:
        if (pattern == "min-size")
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {700, 500};
        break;
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!SizedFromOutside(window, *pos))
            break;
        if (pattern == "blocking-resize")
            Sleep(30000); // busy in its sizing code, handling no messages
        else if (pattern == "restore-and-load" && !fought)
            PostMessageA(window, PutSizeBack, 0, 0);
        else if (pattern == "refusing")
            pos->flags |= SWP_NOSIZE;
        else if (pattern == "replaced" && !replacedWindow)
            PostMessageA(window, Replace, 0, 0);
        break;
    }
    case PutSizeBack:
        fought = true;
        SetSavedSize(window);
        Sleep(6000); // loads its data
        break;
    case Replace:
        replacedWindow = window;
        DestroyWindow(window);
        Sleep(500);
        ShowWindow(MakeWindow(caption), SW_SHOWNA);
        return 0;
    case WM_DESTROY:
        if (window != replacedWindow)
            PostQuitMessage(0);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Stands in for a window whose program hangs, on a thread of its own that
// answers, until the event is set.
DWORD WINAPI ShowGhostUntil(void* event) {
    WNDCLASSA ghostClass = {};
    ghostClass.lpfnWndProc = DefWindowProcA;
    ghostClass.hInstance = GetModuleHandleA(nullptr);
    ghostClass.lpszClassName = "Ghost";
    RegisterClassA(&ghostClass);
    HWND ghost = CreateWindowA("Ghost", (caption + " (Not Responding)").c_str(),
                               WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME, 80, 90, 300, 200, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ShowWindow(ghost, SW_SHOWNA);
    while (MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    DestroyWindow(ghost);
    return 0;
}

INT_PTR CALLBACK SlowDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        Sleep(7000); // loads its data, handling no messages meanwhile
        return TRUE;
    }
    return FALSE;
}

void CALLBACK EndProgram(HWND, UINT, UINT_PTR, DWORD) {
    ExitProcess(0);
}

static_assert(sizeof(DLGTEMPLATE) % sizeof(WORD) == 0);

// A dialog box template in memory: no resource script needed.
std::vector<WORD> DialogTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
    dialog->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog->x = 40;
    dialog->y = 40;
    dialog->cx = 200;
    dialog->cy = 120;
    words.push_back(0); // no menu
    words.push_back(0); // the standard dialog class
    for (char c : caption)
        words.push_back(static_cast<WORD>(static_cast<unsigned char>(c)));
    words.push_back(0);
    return words;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return 2;
    pattern = argv[1];
    caption = argv[3];
    SetTimer(nullptr, 0, 60000, EndProgram);

    WNDCLASSA patternClass = {};
    patternClass.lpfnWndProc = PatternProc;
    patternClass.hInstance = GetModuleHandleA(nullptr);
    patternClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    patternClass.lpszClassName = "PanePattern";
    RegisterClassA(&patternClass);
    HandleMessagesFor(static_cast<DWORD>(std::atoi(argv[2])));

    if (pattern == "slow-init") {
        const std::vector<WORD> dialog = DialogTemplate();
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), nullptr, SlowDialogProc,
                                0);
        return 0;
    }
    if (pattern == "button-first") {
        HWND main = MakeWindow("Main window");
        CreateWindowA("BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, main, nullptr,
                      GetModuleHandleA(nullptr), nullptr);
        ShowWindow(main, SW_SHOWNA);
        HandleMessagesFor(3000);
        ShowWindow(MakeWindow(caption, main), SW_SHOWNA);
    } else {
        HWND window = MakeWindow(caption, nullptr, pattern == "maximised" ? WS_MAXIMIZE : 0);
        if (pattern == "hidden-loading") {
            HandleMessagesFor(2000);
            SetSavedSize(window);
            ShowWindow(window, SW_SHOWNA);
        } else if (pattern == "late-layout" || pattern == "restless") {
            ShowWindow(window, SW_SHOWNA);
            SetTimer(window, pattern == "late-layout" ? 1 : 2, pattern == "late-layout" ? 300 : 100, nullptr);
        } else if (pattern == "hidden-twin") {
            ShowWindow(MakeWindow(caption, window), SW_SHOWNA);
        } else if (pattern == "with-preview") {
            ShowWindow(window, SW_SHOWNA);
            ShowWindow(MakeWindow(caption + " - Preview"), SW_SHOWNA);
        } else if (pattern == "minimised") {
            ShowWindow(window, SW_SHOWMINNOACTIVE);
            HandleMessagesFor(4000);
            ShowWindow(window, SW_SHOWNOACTIVATE);
        } else if (pattern == "ghost") {
            HANDLE recovered = CreateEventA(nullptr, TRUE, FALSE, nullptr);
            HANDLE ghost = CreateThread(nullptr, 0, ShowGhostUntil, recovered, 0, nullptr);
            Sleep(3000); // hangs, handling no messages
            SetEvent(recovered);
            WaitForSingleObject(ghost, INFINITE);
            ShowWindow(window, SW_SHOWNA);
        } else if (pattern != "never-shown") {
            ShowWindow(window, SW_SHOWNA);
        }
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
