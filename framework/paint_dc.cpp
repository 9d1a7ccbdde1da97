#include "framework/paint_dc.h"

#include "framework/resources/icon_group.h"

BOOL CPaintDC::DrawIcon(int x, int y, HICON icon) {
    DialogWindow* window = window_->GetDialogWindow();
    if (window == nullptr || icon == nullptr) {
        return FALSE;
    }
    window->DrawIcon(x, y, icon);
    return TRUE;
}

int GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? kLargeIconSize : 0;
}
