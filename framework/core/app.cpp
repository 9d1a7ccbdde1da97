#include "framework/core/app.h"

#include "framework/core/modal_boxes.h"
#include "framework/core/resource_module.h"
#include "framework/core/window_system.h"
#include "framework/core/wnd.h"

namespace {

CWinApp* theApplication = nullptr;

}  // namespace

CWinApp::CWinApp() {
    theApplication = this;
}

CWinApp::~CWinApp() {
    if (theApplication == this) {
        theApplication = nullptr;
    }
}

const MessageMap* CWinApp::GetThisMessageMap() {
    static constexpr MessageMap map{&CCmdTarget::GetThisMessageMap, {}};
    return &map;
}

void CWinApp::OnHelp() {
    // Over an open box (the About box, a notice) help has nothing more to show.
    if (m_pMainWnd != nullptr && OpenModalBox::NothingOpenOver(*m_pMainWnd)) {
        WinHelp();
    }
}

CWinApp* AfxGetApp() {
    return theApplication;
}

int AfxRunApplication() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    const int failuresBefore = AfxFailureCount();
    const int status = app->InitInstance() ? app->Run() : app->ExitInstance();
    return AfxFailureCount() > failuresBefore ? 1 : status;
}

int AfxStartApplication(WindowSystem& windowSystem, std::span<const std::byte> resources) {
    const ScopedWindowSystem shown(windowSystem);
    if (!AfxSetResourceImage(resources)) {
        AfxReportFailure("cannot start: the program's resources are damaged");
        return 1;
    }
    return AfxRunApplication();
}
