/* The floor for the wait benchmark: the least that waiting for a caption
   must do, in plain C. Four times a second, for the given seconds:
   EnumWindows, the visibility of each top-level window, and the caption of
   each visible one, lower-cased and searched for a text that no window
   holds. Usage: wait_floor <seconds> */
#include <windows.h>

#include <stdlib.h>
#include <wchar.h>

static const wchar_t pattern[] = L"no window has this caption";
static int matches;

static BOOL CALLBACK OnTopLevel(HWND window, LPARAM unused) {
    wchar_t caption[260] = {0};
    (void)unused;
    if (!IsWindowVisible(window))
        return TRUE;
    GetWindowTextW(window, caption, 260);
    CharLowerBuffW(caption, (DWORD)wcslen(caption));
    matches += wcsstr(caption, pattern) != NULL;
    return TRUE;
}

int main(int argc, char** argv) {
    const ULONGLONG deadline = GetTickCount64() + 1000ULL * (ULONGLONG)(argc > 1 ? atoi(argv[1]) : 6);
    for (;;) {
        const ULONGLONG searched = GetTickCount64();
        ULONGLONG next, now;
        EnumWindows(OnTopLevel, 0);
        if (matches || searched >= deadline)
            break;
        next = searched + 250 < deadline ? searched + 250 : deadline;
        now = GetTickCount64();
        if (next > now)
            Sleep((DWORD)(next - now));
    }
    return matches != 0;
}
