#include "framework/core/managed_dialog_window.h"

#include "framework/core/dialog.h"

ManagedDialogWindow::ManagedDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate)
    : dialog_(dialog),
      manager_(dialog, *this, dialogTemplate),
      hasSystemMenu_((dialogTemplate.style & template_style::SysMenu) != 0) {
    for (const DialogControl& control : dialogTemplate.controls) {
        if (control.id != -1) {
            sources_.emplace(control.id, control);
        }
    }
}

ManagedDialogWindow::~ManagedDialogWindow() {
    dialog_.DetachWindow();
}

void ManagedDialogWindow::Initialize() {
    if (dialog_.InitializeWindow(*this)) {
        manager_.SetInitialFocus();
    }
}

const DialogControl* ManagedDialogWindow::Source(int id) const {
    const auto found = sources_.find(id);
    return found != sources_.end() ? &found->second : nullptr;
}

bool ManagedDialogWindow::IsList(int id) const {
    const DialogControl* source = Source(id);
    return source != nullptr && source->IsClass(ControlClass::ComboBox);
}

int ManagedDialogWindow::GetCurSel(int id) const {
    if (!IsList(id)) {
        return CB_ERR;
    }
    const int selection = ListSelection(id);
    return selection >= 0 ? selection : CB_ERR;
}

int ManagedDialogWindow::SetCurSel(int id, int index) {
    if (!IsList(id)) {
        return CB_ERR;
    }
    const bool inList = index >= 0 && index < ListCount(id);
    SelectListEntry(id, inList ? index : -1);
    return inList ? index : CB_ERR;
}

void ManagedDialogWindow::ResetContent(int id) {
    if (IsList(id)) {
        ClearList(id);
    }
}

int ManagedDialogWindow::AddString(int id, const std::string& text) {
    if (!IsList(id)) {
        return CB_ERR;
    }
    AppendListEntry(id, text);
    return ListCount(id) - 1;
}

void ManagedDialogWindow::EndDialog(int result) {
    endResult_ = result;
}

LRESULT ManagedDialogWindow::HandleByDefault(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_SYSCOMMAND) {
        return 0;
    }
    switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            dialog_.SendCommand(IDCANCEL);
            break;
        case SC_MINIMIZE:
            Minimize();
            break;
        default:
            break;
    }
    return 0;
}
