#include "framework/core/window_system.h"

#include <cstdio>

#include "framework/core/wnd.h"

namespace {

WindowSystem* currentWindowSystem = nullptr;
int failuresReported = 0;

constexpr UINT kRestore = 0xF120;

}  // namespace

WindowSystem* AfxGetWindowSystem() {
    return currentWindowSystem;
}

void WindowSystem::ShowError(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

void AfxReportFailure(const std::string& text) {
    ++failuresReported;
    if (currentWindowSystem != nullptr) {
        currentWindowSystem->ShowError(text);
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

int AfxFailureCount() {
    return failuresReported;
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
