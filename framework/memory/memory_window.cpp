#include "framework/memory/memory_window.h"

MemoryDialogWindow::MemoryDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate)
    : RebuildableDialogWindow(dialog, dialogTemplate), caption_(dialogTemplate.caption) {
    RebuildControls(dialogTemplate);
    Initialize();
}

void MemoryDialogWindow::RebuildControls(const DialogTemplate& dialogTemplate) {
    controls_.clear();
    focus_ = 0;
    selectedText_ = {0, 0};
    for (const DialogControl& source : dialogTemplate.controls) {
        if (source.id == -1) {
            continue;
        }
        Control control;
        if (!source.IsClass(ControlClass::ComboBox) && !source.title.ordinal) {
            control.text = source.title.text;
        }
        control.enabled = !(source.style & template_style::Disabled);
        control.visible = (source.style & template_style::Visible) != 0;
        controls_.emplace(source.id, std::move(control));
    }
}

std::string MemoryDialogWindow::ListEntry(int id, int index) const {
    return Find(id)->entries.at(static_cast<std::size_t>(index));
}

std::pair<int, int> MemoryDialogWindow::TextSelection(int id) const {
    if (id != focus_) {
        return {0, 0};
    }
    return {static_cast<int>(selectedText_.first), static_cast<int>(selectedText_.second)};
}

void MemoryDialogWindow::SelectText(int id, std::pair<int, int> selection) {
    if (id == focus_) {
        selectedText_ = {static_cast<std::size_t>(selection.first),
                         static_cast<std::size_t>(selection.second)};
    }
}

MemoryDialogWindow::Control* MemoryDialogWindow::FindControl(int id) {
    const auto found = controls_.find(id);
    return found != controls_.end() ? &found->second : nullptr;
}

const MemoryDialogWindow::Control* MemoryDialogWindow::Find(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? &found->second : nullptr;
}

bool MemoryDialogWindow::Type(int id, const std::string& text) {
    Control* control = FindControl(id);
    if (!enabled_ || control == nullptr || !control->enabled ||
        !Source(id)->IsClass(ControlClass::Edit) ||
        (Source(id)->style & template_style::EditReadOnly)) {
        return false;
    }
    control->text = text;
    focus_ = id;
    selectedText_ = {text.size(), text.size()};
    return true;
}

void MemoryDialogWindow::Click(int id) {
    if (!enabled_) {
        return;
    }
    if (const Control* control = Find(id);
        control != nullptr && control->enabled && Source(id)->IsTabStop()) {
        FocusItem(id, false);
    }
    manager().ClickButton(id);
}

void MemoryDialogWindow::Choose(int id, int index) {
    if (enabled_) {
        SetCurSel(id, index);
    }
}

void MemoryDialogWindow::Press(DialogKey key, bool shift, bool alt) {
    if (enabled_) {
        manager().PressKey({key, shift, alt, false});
    }
}

void MemoryDialogWindow::ChooseSystemMenu(UINT_PTR id) {
    if (enabled_) {
        dialog().SendMessage(WM_SYSCOMMAND, id);
    }
}

void MemoryDialogWindow::EnableItem(int id, bool enabled) {
    if (Control* control = FindControl(id)) {
        control->enabled = enabled;
    }
}

void MemoryDialogWindow::ShowItem(int id, bool visible) {
    if (Control* control = FindControl(id)) {
        control->visible = visible;
    }
}

void MemoryDialogWindow::FocusItem(int id, bool selectText) {
    const Control* control = Find(id);
    if (control == nullptr) {
        return;
    }
    focus_ = id;
    const bool edit = Source(id)->IsClass(ControlClass::Edit);
    selectedText_ = {0, selectText && edit ? control->text.size() : 0};
}

bool MemoryDialogWindow::IsWholeTextSelected(int id) const {
    const Control* control = Find(id);
    return control != nullptr && focus_ == id && selectedText_.first == 0 &&
           selectedText_.second == control->text.size();
}

bool MemoryDialogWindow::IsItemEnabled(int id) const {
    const Control* control = Find(id);
    return control != nullptr && control->enabled;
}

bool MemoryDialogWindow::IsItemVisible(int id) const {
    const Control* control = Find(id);
    return control != nullptr && control->visible;
}

std::string MemoryDialogWindow::GetItemText(int id) const {
    const Control* control = Find(id);
    if (control == nullptr) {
        return {};
    }
    if (Source(id)->IsClass(ControlClass::ComboBox)) {
        const auto index = static_cast<std::size_t>(control->selection);
        return control->selection >= 0 && index < control->entries.size() ? control->entries[index]
                                                                          : std::string();
    }
    return control->text;
}

void MemoryDialogWindow::SetItemText(int id, const std::string& text) {
    if (Control* control = FindControl(id)) {
        control->text = text;
        if (focus_ == id) {
            selectedText_ = {0, 0};
        }
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

int MemoryDialogWindow::ListCount(int id) const {
    return static_cast<int>(Find(id)->entries.size());
}

int MemoryDialogWindow::ListSelection(int id) const {
    return Find(id)->selection;
}

void MemoryDialogWindow::SelectListEntry(int id, int index) {
    FindControl(id)->selection = index;
}

void MemoryDialogWindow::AppendListEntry(int id, const std::string& text) {
    FindControl(id)->entries.push_back(text);
}

void MemoryDialogWindow::ClearList(int id) {
    Control* list = FindControl(id);
    list->entries.clear();
    list->selection = CB_ERR;
}

void MemoryDialogWindow::ShowNotice(const std::string& text) {
    if (whileNoticeOpen_) {
        enabled_ = false;
        whileNoticeOpen_();
        enabled_ = true;
    }
    notices_.push_back(text);
}

void MemoryDialogWindow::AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) {
    systemMenu_.push_back({flags, id, text});
}

void MemoryDialogWindow::SetIcon(HICON icon, WPARAM size) {
    (size == ICON_BIG ? bigIcon_ : smallIcon_) = icon;
}

LRESULT MemoryDialogWindow::HandleByDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    defaultHandled_.push_back(message);
    return ManagedDialogWindow::HandleByDefault(message, wParam, lParam);
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
