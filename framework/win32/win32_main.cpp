// The entry point of a program on USER32: the window system, then the framework's main routine.
// The program reads nothing of what the platform hands over (module, command line, show command).
#include "framework/core/startup.h"
#include "framework/win32/win32_window_system.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Win32WindowSystem windowSystem;
    return AfxWinMain(windowSystem);
}
