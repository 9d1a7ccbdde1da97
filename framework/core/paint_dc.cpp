#include "framework/core/paint_dc.h"

CPaintDC::CPaintDC(CWnd* window) : window_(window->GetDialogWindow()) {
    if (window_ != nullptr) {
        context_ = window_->BeginPaint();
    }
}

CPaintDC::~CPaintDC() {
    if (window_ != nullptr) {
        window_->EndPaint(context_);
    }
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON icon) {
    if (window_ == nullptr || icon == nullptr) {
        return FALSE;
    }
    window_->DrawIcon(context_, x, y, icon);
    return TRUE;
}
