#include "framework/core/paint_dc.h"

namespace {

MinimizedPainting* PaintingOf(const CWnd* window) {
    DialogWindow* dialogWindow = window->GetDialogWindow();
    return dialogWindow != nullptr ? dialogWindow->Painting() : nullptr;
}

}  // namespace

CPaintDC::CPaintDC(CWnd* window) : painting_(PaintingOf(window)) {
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
