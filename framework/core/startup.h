#pragma once

#include "framework/core/app.h"
#include "framework/core/program_resources.h"
#include "framework/core/window_system.h"

// The framework's main routine, called by each platform's entry point once its window system
// is ready: runs the application object on `windowSystem` with the program's own resources
// (AfxStartApplication). Returns the program's exit status.
inline int AfxWinMain(WindowSystem& windowSystem) {
    return AfxStartApplication(windowSystem, AfxProgramResourceImage());
}
