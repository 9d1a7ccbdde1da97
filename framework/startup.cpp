#include "framework/startup.h"

#include "framework/app.h"
#include "framework/resources/program_resources.h"
#include "framework/resources/resource_module.h"

int AfxWinMain(WindowSystem& windowSystem, const AfxStartupInfo& startup) {
    if (!AfxSetResourceImage(AfxProgramResourceImage())) {
        return 1;
    }
    if (CWinApp* app = AfxGetApp()) {
        app->m_hInstance = startup.instance;
        app->m_lpCmdLine = startup.commandLine;
        app->m_nCmdShow = startup.showCommand;
    }
    AfxSetWindowSystem(&windowSystem);
    const int status = AfxRunApplication();
    AfxSetWindowSystem(nullptr);
    return status;
}
