#pragma once

#include "framework/window_system.h"

// What the platform's entry point knows of the process, handed on to the application object.
struct AfxStartupInfo {
    void* instance = nullptr;      // the module handle, where the platform has one
    const char* commandLine = "";  // after the program's name
    int showCommand = 10;          // how to show the first window; 10 is the platform's default
};

// The framework's main routine, called by each platform's entry point once its window system
// is ready: loads the program's resources, makes `windowSystem` the one dialogs are shown on and
// runs the application object. Returns the program's exit status.
int AfxWinMain(WindowSystem& windowSystem, const AfxStartupInfo& startup = {});
