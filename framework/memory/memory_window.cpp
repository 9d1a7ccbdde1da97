#include "framework/memory/memory_window.h"

MemoryDialogWindow::MemoryDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate)
    : dialog_(dialog), caption_(dialogTemplate.caption) {
    for (const DialogControl& source : dialogTemplate.controls) {
        if (source.id == -1) {
            continue;
        }
        Control control{source, {}, BST_UNCHECKED, {}, CB_ERR};
        if (!source.IsClass(ControlClass::ComboBox) && !source.title.ordinal) {
            control.text = source.title.text;
        }
        controls_.emplace(source.id, std::move(control));
    }
    if (dialog_.InitializeWindow(*this)) {
        // The first control that takes the focus, in template order.
        for (const DialogControl& source : dialogTemplate.controls) {
            if (source.IsTabStop()) {
                focus_ = source.id;
                break;
            }
        }
    }
}

MemoryDialogWindow::~MemoryDialogWindow() {
    dialog_.DetachWindow();
}

MemoryDialogWindow::Control* MemoryDialogWindow::FindControl(int id) {
    const auto found = controls_.find(id);
    return found != controls_.end() ? &found->second : nullptr;
}

const MemoryDialogWindow::Control* MemoryDialogWindow::Find(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? &found->second : nullptr;
}

MemoryDialogWindow::Control* MemoryDialogWindow::FindList(int id) {
    Control* control = FindControl(id);
    return control != nullptr && control->source.IsClass(ControlClass::ComboBox) ? control
                                                                                 : nullptr;
}

bool MemoryDialogWindow::Type(int id, const std::string& text) {
    Control* control = FindControl(id);
    if (!enabled_ || control == nullptr || !control->source.IsClass(ControlClass::Edit) ||
        (control->source.style & template_style::EditReadOnly)) {
        return false;
    }
    control->text = text;
    focus_ = id;
    return true;
}

void MemoryDialogWindow::Click(int id) {
    if (!enabled_) {
        return;
    }
    if (Control* control = FindControl(id); control != nullptr && control->source.IsAutoToggle()) {
        control->check = control->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    }
    dialog_.SendCommand(id);
}

void MemoryDialogWindow::Choose(int id, int index) {
    if (enabled_) {
        SetCurSel(id, index);
    }
}

void MemoryDialogWindow::ChooseSystemMenu(UINT_PTR id) {
    if (enabled_) {
        dialog_.SendMessage(WM_SYSCOMMAND, id);
    }
}

void MemoryDialogWindow::PressF1() {
    if (enabled_) {
        dialog_.SendCommand(ID_HELP);
    }
}

std::string MemoryDialogWindow::GetItemText(int id) const {
    const Control* control = Find(id);
    if (control == nullptr) {
        return {};
    }
    if (control->source.IsClass(ControlClass::ComboBox)) {
        const auto index = static_cast<std::size_t>(control->selection);
        return control->selection >= 0 && index < control->entries.size() ? control->entries[index]
                                                                          : std::string();
    }
    return control->text;
}

void MemoryDialogWindow::SetItemText(int id, const std::string& text) {
    if (Control* control = FindControl(id)) {
        control->text = text;
    }
}

int MemoryDialogWindow::GetCheck(int id) const {
    const Control* control = Find(id);
    return control != nullptr ? control->check : BST_UNCHECKED;
}

void MemoryDialogWindow::SetCheck(int id, int state) {
    if (Control* control = FindControl(id)) {
        control->check = state;
    }
}

int MemoryDialogWindow::GetCurSel(int id) const {
    const Control* control = Find(id);
    return control != nullptr ? control->selection : CB_ERR;
}

int MemoryDialogWindow::SetCurSel(int id, int index) {
    Control* list = FindList(id);
    if (list == nullptr) {
        return CB_ERR;
    }
    const bool inList = index >= 0 && static_cast<std::size_t>(index) < list->entries.size();
    list->selection = inList ? index : CB_ERR;
    return list->selection;
}

void MemoryDialogWindow::ResetContent(int id) {
    if (Control* list = FindList(id)) {
        list->entries.clear();
        list->selection = CB_ERR;
    }
}

int MemoryDialogWindow::AddString(int id, const std::string& text) {
    Control* list = FindList(id);
    if (list == nullptr) {
        return CB_ERR;
    }
    list->entries.push_back(text);
    return static_cast<int>(list->entries.size()) - 1;
}

void MemoryDialogWindow::NotifyNumberExpected(int id, const std::string&) {
    if (whileNoticeOpen_) {
        enabled_ = false;
        whileNoticeOpen_();
        enabled_ = true;
    }
    notices_.push_back(id);
    focus_ = id;
    selectedText_ = {0, GetItemText(id).size()};
}

void MemoryDialogWindow::EndDialog(int result) {
    result_ = result;
}

void MemoryDialogWindow::AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) {
    systemMenu_.push_back({flags, id, text});
}

void MemoryDialogWindow::SetIcon(HICON icon, WPARAM size) {
    (size == ICON_BIG ? bigIcon_ : smallIcon_) = icon;
}

LRESULT MemoryDialogWindow::HandleByDefault(UINT message, WPARAM wParam, LPARAM) {
    defaultHandled_.push_back(message);
    if (message == WM_SYSCOMMAND) {
        HandleSystemCommandByDefault(dialog_, *this, wParam);
    }
    return 0;
}

INT_PTR MemoryWindowSystem::RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                           DialogWindow* owner) {
    auto* ownerWindow = dynamic_cast<MemoryDialogWindow*>(owner);
    const bool disablesOwner = ownerWindow != nullptr && ownerWindow->enabled();
    if (disablesOwner) {
        ownerWindow->SetEnabled(false);
    }
    INT_PTR result = IDCANCEL;
    {
        MemoryDialogWindow window(dialog, dialogTemplate);
        if (driver_ && !window.ended()) {
            driver_(window);
        }
        result = window.ended() ? window.result() : IDCANCEL;
    }
    if (disablesOwner) {
        ownerWindow->SetEnabled(true);
    }
    return result;
}

std::unique_ptr<MemoryDialogWindow> MemoryWindowSystem::Open(CDialog& dialog) {
    const auto dialogTemplate = dialog.LoadTemplate();
    return dialogTemplate ? std::make_unique<MemoryDialogWindow>(dialog, *dialogTemplate) : nullptr;
}
