/* Fills the desktop for the benchmark with windows mixed as on a real
   desktop: of every 5,000 recorded windows, 1,800 are hidden top-level
   windows, 207 visible top-level ones and 2,993 children of the visible
   ones. Top-level windows have no system menu, to spare window handles.
   Prints "ready" once they exist and closes itself after the given number
   of seconds.
   Usage: crowd <windows> <seconds> */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

static LRESULT CALLBACK CrowdProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

static HWND Make(DWORD style, HWND parent, int number) {
    char caption[32];
    wsprintfA(caption, "Crowd %d", number);
    return CreateWindowA("PaneCrowd", caption, style, 0, 0, parent ? 1 : 200, parent ? 1 : 100, parent, NULL,
                         GetModuleHandleA(NULL), NULL);
}

int main(int argc, char** argv) {
    int windows = argc > 1 ? atoi(argv[1]) : 5000;
    int seconds = argc > 2 ? atoi(argv[2]) : 600;
    int hidden = (int)((long long)windows * 1800 / 5000);
    int visible = (int)((long long)windows * 207 / 5000);
    int children, i;
    HWND* tops;
    WNDCLASSA crowdClass = {0};
    MSG message;
    if (visible < 1)
        visible = 1;
    children = windows - hidden - visible;
    crowdClass.lpfnWndProc = CrowdProc;
    crowdClass.hInstance = GetModuleHandleA(NULL);
    crowdClass.lpszClassName = "PaneCrowd";
    RegisterClassA(&crowdClass);
    tops = (HWND*)malloc((size_t)visible * sizeof *tops);
    for (i = 0; i < visible; ++i)
        tops[i] = Make(WS_POPUP | WS_CAPTION | WS_VISIBLE, NULL, i);
    for (i = 0; i < hidden; ++i)
        Make(WS_POPUP | WS_CAPTION, NULL, visible + i);
    for (i = 0; i < children; ++i)
        Make(WS_CHILD, tops[i % visible], visible + hidden + i);
    SetTimer(tops[0], 1, (UINT)seconds * 1000, NULL);
    printf("ready\n");
    fflush(stdout);
    while (GetMessageA(&message, NULL, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
