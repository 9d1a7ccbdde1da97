#include "framework/core/window_system.h"

#include <cstdio>

namespace {

WindowSystem* currentWindowSystem = nullptr;
int failuresReported = 0;

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
