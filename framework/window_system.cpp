#include "framework/window_system.h"

namespace {

WindowSystem* currentWindowSystem = nullptr;

}  // namespace

void AfxSetWindowSystem(WindowSystem* windowSystem) {
    currentWindowSystem = windowSystem;
}

WindowSystem* AfxGetWindowSystem() {
    return currentWindowSystem;
}
