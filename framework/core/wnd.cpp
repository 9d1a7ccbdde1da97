#include "framework/core/wnd.h"

#include "framework/core/app.h"
#include "framework/core/data_exchange.h"

const MessageMap* CWnd::GetThisMessageMap() {
    static constexpr MessageMap map{&CCmdTarget::GetThisMessageMap, {}};
    return &map;
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.Failed();
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, result)) {
        result = Default(message, wParam, lParam);
    }
    return result;
}

LRESULT CWnd::SendCommand(int id) {
    return SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED));
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (RouteMessage(message, wParam, lParam, result)) {
        return true;
    }
    // Commands that no window takes go on to the application, as menu commands do.
    CWinApp* app = AfxGetApp();
    return message == WM_COMMAND && app != nullptr &&
           app->RouteMessage(message, wParam, lParam, result);
}

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    DialogWindow* window = GetDialogWindow();
    return window != nullptr ? window->HandleByDefault(message, wParam, lParam) : 0;
}

DialogWindow* CWnd::GetDialogWindow() const {
    return parent_ != nullptr ? parent_->GetDialogWindow() : window_;
}

CMenu* CWnd::GetSystemMenu(BOOL) {
    DialogWindow* window = GetDialogWindow();
    if (window == nullptr || !window->HasSystemMenu()) {
        return nullptr;
    }
    systemMenu_.window_ = window;
    return &systemMenu_;
}

void CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    if (DialogWindow* window = GetDialogWindow()) {
        window->SetIcon(icon, bigIcon ? ICON_BIG : ICON_SMALL);
    }
}

void CWnd::GetClientRect(RECT* rect) const {
    const MinimizedPainting* painting = GetMinimizedPainting();
    *rect = painting != nullptr ? painting->GetClientRect() : RECT{0, 0, 0, 0};
}

MinimizedPainting* CWnd::GetMinimizedPainting() const {
    DialogWindow* window = GetDialogWindow();
    return window != nullptr ? window->Painting() : nullptr;
}

BOOL CWnd::IsIconic() const {
    const DialogWindow* window = GetDialogWindow();
    return window != nullptr && window->IsIconic();
}

void CWnd::AttachToDlgItem(CWnd& parent, int id) {
    parent_ = &parent;
    controlId_ = id;
}

void CWnd::OnSysCommand(UINT id, LPARAM lParam) {
    Default(WM_SYSCOMMAND, id, lParam);
}

void CWnd::OnPaint() {
    Default(WM_PAINT, 0, 0);
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text) {
    if (window_ == nullptr) {
        return FALSE;
    }
    window_->AppendSystemMenu(flags, id, text != nullptr ? text : "");
    return TRUE;
}
