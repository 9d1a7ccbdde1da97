// The start-up of a program on USER32: the program's resources, the window system, then the
// application object. The command line is not read.
#include "framework/app.h"
#include "framework/resources/program_resources.h"
#include "framework/resources/resource_module.h"
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

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (!AfxSetResourceImage(AfxProgramResourceImage())) {
        return 1;
    }
    Win32WindowSystem windowSystem;
    AfxSetWindowSystem(&windowSystem);
    const int status = AfxRunApplication();
    AfxSetWindowSystem(nullptr);
    return status;
}
