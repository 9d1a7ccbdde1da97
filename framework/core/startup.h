#pragma once

#include "framework/core/window_system.h"

// The framework's main routine, called by each platform's entry point once its window system
// is ready: loads the program's resources, makes `windowSystem` the one dialogs are shown on and
// runs the application object. Returns the program's exit status.
int AfxWinMain(WindowSystem& windowSystem);
