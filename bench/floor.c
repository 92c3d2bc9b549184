/* The floor for the benchmark: exactly the Win32 calls that the lookup's
   rules spell out for either kind of query, in plain C, and nothing else.
   EnumWindows; class name, then visibility, of each top-level window;
   EnumChildWindows of the visible ones; the caption of every recorded
   window, lower-cased and searched for a text that no window holds. */
#include <windows.h>

#include <stdlib.h>
#include <wchar.h>

static HWND* windows;
static size_t count, capacity;

static void Record(HWND window) {
    if (count == capacity) {
        capacity = capacity ? capacity * 2 : 5000;
        windows = (HWND*)realloc(windows, capacity * sizeof *windows);
    }
    windows[count++] = window;
}

static BOOL CALLBACK OnChild(HWND window, LPARAM unused) {
    (void)unused;
    Record(window);
    return TRUE;
}

static BOOL CALLBACK OnTopLevel(HWND window, LPARAM unused) {
    wchar_t className[260] = {0};
    (void)unused;
    GetClassNameW(window, className, 260);
    Record(window);
    if (wcscmp(className, L"SYSLISTVIEW32") != 0 && IsWindowVisible(window))
        EnumChildWindows(window, OnChild, 0);
    return TRUE;
}

int main(void) {
    static const wchar_t pattern[] = L"no window has this caption";
    size_t i, matches = 0;
    EnumWindows(OnTopLevel, 0);
    for (i = 0; i < count; ++i) {
        wchar_t caption[260] = {0};
        GetWindowTextW(windows[i], caption, 260);
        CharLowerBuffW(caption, (DWORD)wcslen(caption));
        matches += wcsstr(caption, pattern) != NULL;
    }
    return matches != 0;
}
