#include "app/tuning_app.h"

#include "calculator/tuning_dlg.h"
#include "res/resource.h"

CTuningApp::CTuningApp() {
    // The id of the desktop entry and the AppStream data the packages install.
    m_pszAppID = "org.vardolin.Vardolin";
}

const MessageMap* CTuningApp::GetThisMessageMap() {
    static constexpr MessageMapEntry entries[] = {
        MapCommand<&CWinApp::OnHelp>(ID_HELP),
    };
    static constexpr MessageMap map{&CWinApp::GetThisMessageMap, entries};
    return &map;
}

BOOL CTuningApp::InitInstance() {
    CTuningDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    // The dialog ends with this scope; nothing may reach it through the application after.
    m_pMainWnd = nullptr;
    return FALSE;
}

void CTuningApp::WinHelp() {
    if (m_pMainWnd != nullptr) {
        m_pMainWnd->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
    }
}
