#include "framework/core/paint_dc.h"

CPaintDC::CPaintDC(CWnd* window) : painting_(window->GetMinimizedPainting()) {
    if (painting_ != nullptr) {
        context_ = painting_->BeginPaint();
    }
}

CPaintDC::~CPaintDC() {
    if (painting_ != nullptr) {
        painting_->EndPaint(context_);
    }
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON icon) {
    if (painting_ == nullptr || icon == nullptr) {
        return FALSE;
    }
    painting_->DrawIcon(context_, x, y, icon);
    return TRUE;
}
