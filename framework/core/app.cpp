#include "framework/core/app.h"

#include "framework/core/modal_boxes.h"
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
    if (!app->InitInstance()) {
        return app->ExitInstance();
    }
    return app->Run();
}
