#include "framework/core/startup.h"

#include "framework/core/app.h"
#include "framework/core/program_resources.h"
#include "framework/core/resource_module.h"

int AfxWinMain(WindowSystem& windowSystem) {
    if (!AfxSetResourceImage(AfxProgramResourceImage())) {
        return 1;
    }
    const ScopedWindowSystem shown(windowSystem);
    return AfxRunApplication();
}
