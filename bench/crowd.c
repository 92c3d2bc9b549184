/* Fills the desktop for the benchmark: one visible window with the given
   number of child windows, all recorded by a lookup. Prints "ready" once
   they exist and closes itself after the given number of seconds.
   Usage: crowd <windows> <seconds> */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

static LRESULT CALLBACK CrowdProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

int main(int argc, char** argv) {
    int windows = argc > 1 ? atoi(argv[1]) : 5000;
    int seconds = argc > 2 ? atoi(argv[2]) : 600;
    WNDCLASSA crowdClass = {0};
    HWND top;
    MSG message;
    int i;
    crowdClass.lpfnWndProc = CrowdProc;
    crowdClass.hInstance = GetModuleHandleA(NULL);
    crowdClass.lpszClassName = "PaneCrowd";
    RegisterClassA(&crowdClass);
    top = CreateWindowA("PaneCrowd", "Crowd", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200, 100, NULL, NULL,
                        GetModuleHandleA(NULL), NULL);
    for (i = 1; i < windows; ++i)
        CreateWindowA("PaneCrowd", "", WS_CHILD, 0, 0, 1, 1, top, NULL, GetModuleHandleA(NULL), NULL);
    SetTimer(top, 1, (UINT)seconds * 1000, NULL);
    printf("ready\n");
    fflush(stdout);
    while (GetMessageA(&message, NULL, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
