// A sample for the demo: a "Page Setup" dialog with a few controls and a
// "Print Preview" window beside it, to be found, measured and resized.
// Usage: sample_dialog [seconds] [late]   closes itself after that many
// seconds (default 60). Given late, it opens only a "Print Setup" dialog,
// late seconds after its start, for panefit-wait to wait for.
#include <windows.h>

#include <cstdlib>

namespace {

HWND AddControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int width,
                int height) {
    HWND control = CreateWindowA(className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return control;
}

LRESULT CALLBACK SampleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY || message == WM_TIMER)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND AddTopWindow(const char* caption, int x, int y, int width, int height) {
    return CreateWindowA("PaneSample", caption,
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE, x, y, width,
                         height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HWND AddPageSetup() {
    HWND dialog = AddTopWindow("Page Setup", 40, 40, 360, 260);
    AddControl(dialog, "BUTTON", "Paper", BS_GROUPBOX, 12, 8, 320, 70);
    AddControl(dialog, "STATIC", "Size:", 0, 24, 32, 60, 20);
    AddControl(dialog, "EDIT", "A4", WS_BORDER, 90, 30, 150, 22);
    AddControl(dialog, "BUTTON", "Orientation", BS_GROUPBOX, 12, 86, 320, 70);
    AddControl(dialog, "BUTTON", "Portrait", BS_AUTORADIOBUTTON, 24, 110, 100, 20);
    AddControl(dialog, "BUTTON", "Landscape", BS_AUTORADIOBUTTON, 140, 110, 100, 20);
    AddControl(dialog, "BUTTON", "OK", BS_DEFPUSHBUTTON, 150, 180, 80, 26);
    AddControl(dialog, "BUTTON", "Cancel", 0, 240, 180, 80, 26);

    HWND preview = AddTopWindow("Print Preview - Page 1 of 3", 760, 40, 300, 380);
    AddControl(preview, "STATIC", "(preview)", SS_CENTER, 20, 150, 240, 20);
    return dialog;
}

HWND AddPrintSetup() {
    HWND dialog = AddTopWindow("Print Setup", 420, 460, 300, 200);
    AddControl(dialog, "STATIC", "Printer:", 0, 16, 20, 60, 20);
    AddControl(dialog, "EDIT", "Office", WS_BORDER, 80, 18, 180, 22);
    AddControl(dialog, "BUTTON", "OK", BS_DEFPUSHBUTTON, 100, 120, 80, 26);
    return dialog;
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;

    WNDCLASSA sampleClass = {};
    sampleClass.lpfnWndProc = SampleProc;
    sampleClass.hInstance = GetModuleHandleA(nullptr);
    sampleClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    sampleClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    sampleClass.lpszClassName = "PaneSample";
    RegisterClassA(&sampleClass);

    if (argc > 2)
        Sleep(static_cast<DWORD>(std::atoi(argv[2])) * 1000);
    HWND dialog = argc > 2 ? AddPrintSetup() : AddPageSetup();
    SetTimer(dialog, 1, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
