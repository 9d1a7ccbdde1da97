#include "framework/startup.h"

#include "framework/app.h"
#include "framework/resources/program_resources.h"
#include "framework/resources/resource_module.h"

int AfxWinMain(WindowSystem& windowSystem) {
    if (!AfxSetResourceImage(AfxProgramResourceImage())) {
        return 1;
    }
    const ScopedWindowSystem shown(windowSystem);
    return AfxRunApplication();
}
