#pragma once

#include "framework/core/window_system.h"

// The framework's main routine, called by each platform's entry point once its window system
// is ready: runs the application object on `windowSystem` with the program's own resources
// (AfxStartApplication). Returns the program's exit status.
int AfxWinMain(WindowSystem& windowSystem);
