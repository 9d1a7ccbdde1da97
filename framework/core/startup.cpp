#include "framework/core/startup.h"

#include "framework/core/app.h"
#include "framework/core/program_resources.h"

int AfxWinMain(WindowSystem& windowSystem) {
    return AfxStartApplication(windowSystem, AfxProgramResourceImage());
}
