#include "framework/core/window_system.h"

#include "framework/core/wnd.h"

namespace {

WindowSystem* currentWindowSystem = nullptr;

constexpr UINT kRestore = 0xF120;

}  // namespace

WindowSystem* AfxGetWindowSystem() {
    return currentWindowSystem;
}

ScopedWindowSystem::ScopedWindowSystem(WindowSystem& windowSystem)
    : previous_(currentWindowSystem) {
    currentWindowSystem = &windowSystem;
}

ScopedWindowSystem::~ScopedWindowSystem() {
    currentWindowSystem = previous_;
}

void HandleSystemCommandByDefault(CWnd& dialog, DialogWindow& window, WPARAM command) {
    switch (command & 0xFFF0) {
        case SC_CLOSE:
            dialog.SendCommand(IDCANCEL);
            break;
        case SC_MINIMIZE:
            window.ShowMinimized(true);
            break;
        case kRestore:
            window.ShowMinimized(false);
            break;
        default:
            break;
    }
}
