#include "framework/core/combo_box.h"

int CComboBox::GetCurSel() const {
    const DialogWindow* window = GetDialogWindow();
    return window != nullptr ? window->GetCurSel(GetDlgCtrlID()) : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
    DialogWindow* window = GetDialogWindow();
    return window != nullptr ? window->SetCurSel(GetDlgCtrlID(), index) : CB_ERR;
}

void CComboBox::ResetContent() {
    if (DialogWindow* window = GetDialogWindow()) {
        window->ResetContent(GetDlgCtrlID());
    }
}

int CComboBox::AddString(LPCTSTR text) {
    DialogWindow* window = GetDialogWindow();
    return window != nullptr ? window->AddString(GetDlgCtrlID(), text) : CB_ERR;
}
