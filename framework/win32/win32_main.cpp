// The entry point of a program on USER32: the window system, then the framework's main routine
// with the module handle, the command line and the show command.
#include "framework/startup.h"
#include "framework/win32/win32_window_system.h"

// The pitch arithmetic relies on double precision (a 53-bit significand). x86-64 computes in
// SSE2 registers, which are double precision already; a 32-bit x87 build sets the precision
// control before any static initialiser computes anything.
#if defined(__i386__) && defined(__GNUC__)
#include <float.h>

__attribute__((constructor(101))) static void SetDoublePrecision() {
    _controlfp(_PC_53, _MCW_PC);
}
#elif defined(_M_IX86) && defined(_MSC_VER)
#include <float.h>

#pragma warning(disable : 4073)
#pragma init_seg(lib)
static const unsigned doublePrecision = _controlfp(_PC_53, _MCW_PC);
#endif

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    Win32WindowSystem windowSystem;
    return AfxWinMain(windowSystem, {instance, commandLine, showCommand});
}
