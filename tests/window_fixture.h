// Real windows for tests. They belong to a thread of their own that pumps
// their messages, so that other processes can read and resize them while a
// test waits, and they live until a test destroys them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// The class fixture windows get unless a test names another.
inline const std::string FixtureClass = "PaneFixture";

struct WindowPlan {
    std::string caption;
    HWND parent = nullptr; // a child window when set
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE;
    std::string className = FixtureClass;
    int x = 50, y = 60, width = 320, height = 240;
    HWND owner = nullptr; // for a top-level window: the window that owns it
};

// Runs work on the fixture thread and waits for it.
void OnFixtureThread(const std::function<void()>& work);

// Creates a window on the fixture thread; nullptr on failure.
HWND CreateFixtureWindow(const WindowPlan& plan);

// A shown 320x240 top-level window with a caption in any script, of a
// class registered for UTF-16 (its name in any script too); nullptr on
// failure.
HWND CreateUnicodeWindow(const std::wstring& caption, const std::wstring& className = L"PaneUnicode");

// Adds count hidden 1-pixel child windows to parent, the last captioned
// lastCaption, the others without text; returns the last. Cheap on handles,
// for desktops with many thousand windows.
HWND AddCrowd(HWND parent, int count, const std::string& lastCaption);

// A shown window whose thread then stops handling messages, as a hung
// program's does, until ThawWindow destroys it.
HWND CreateFrozenWindow(const std::string& caption);
void ThawWindow(HWND window);

// Destroys a window and its descendants.
void DestroyFixtureWindow(HWND window);

// Registers or removes a window class of this exact spelling.
bool RegisterFixtureClass(const std::string& name);
void UnregisterFixtureClass(const std::string& name);

// A word no other window on the desktop holds: the process id and a counter.
std::string UniqueWord();

// The window's outer size as the programs write it: "640x480".
std::string SizeOf(HWND window);

// The window's caption as the programs read it (at most 259 bytes).
std::string CaptionOf(HWND window);
