#include "framework/core/window_system.h"

#include <cstdio>

namespace {

WindowSystem* currentWindowSystem = nullptr;
int failuresReported = 0;

// A line on the standard error stream; without printf, whose formatting the browser build
// would otherwise carry for this alone.
void WriteErrorLine(const std::string& text) {
    std::fputs((text + "\n").c_str(), stderr);
}

}  // namespace

WindowSystem* AfxGetWindowSystem() {
    return currentWindowSystem;
}

void WindowSystem::ShowError(const std::string& text) {
    WriteErrorLine(text);
}

void AfxReportFailure(const std::string& text) {
    ++failuresReported;
    if (currentWindowSystem != nullptr) {
        currentWindowSystem->ShowError(text);
    } else {
        WriteErrorLine(text);
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
