#include "framework/core/dialog_manager.h"

#include <algorithm>
#include <iterator>

#include "framework/core/dialog.h"

DialogManager::DialogManager(CDialog& dialog, DialogWindow& window,
                             const DialogTemplate& dialogTemplate)
    : dialog_(dialog), window_(window) {
    for (const DialogControl& control : dialogTemplate.controls) {
        if (control.id == -1 || control.IsClass(ControlClass::Static)) {
            continue;
        }
        const bool button = control.IsClass(ControlClass::Button);
        controls_.push_back({control.id, button && !control.IsToggle(), control.IsAutoToggle(),
                             button, control.IsClass(ControlClass::Edit), control.IsTabStop()});
        if (control.IsDefaultButton()) {
            defaultButton_ = control.id;
        }
    }
}

const DialogManager::Control* DialogManager::Find(int id) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [id](const Control& control) { return control.id == id; });
    return found != controls_.end() ? &*found : nullptr;
}

bool DialogManager::CanTakeFocus(const Control& control) const {
    return control.tabStop && window_.IsItemEnabled(control.id) &&
           window_.IsItemVisible(control.id);
}

void DialogManager::SetInitialFocus() {
    const auto first =
        std::find_if(controls_.begin(), controls_.end(),
                     [this](const Control& control) { return CanTakeFocus(control); });
    if (first != controls_.end()) {
        window_.FocusItem(first->id, first->edit);
    }
}

void DialogManager::MoveFocus(bool backwards) {
    std::vector<const Control*> order;
    for (const Control& control : controls_) {
        if (CanTakeFocus(control)) {
            order.push_back(&control);
        }
    }
    if (order.empty()) {
        return;
    }
    const int focused = window_.GetFocusedItem();
    const auto current =
        std::find_if(order.begin(), order.end(),
                     [focused](const Control* control) { return control->id == focused; });
    std::size_t next = backwards ? order.size() - 1 : 0;
    if (current != order.end()) {
        const auto at = static_cast<std::size_t>(current - order.begin());
        next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    }
    window_.FocusItem(order[next]->id, order[next]->edit);
}

void DialogManager::PressEnter() {
    const Control* focused = Find(window_.GetFocusedItem());
    if (focused != nullptr && focused->pushButton) {
        ClickButton(focused->id);
    } else if (Find(defaultButton_) == nullptr || window_.IsItemEnabled(defaultButton_)) {
        dialog_.SendCommand(defaultButton_);
    }
}

void DialogManager::ClickButton(int id) {
    const Control* control = Find(id);
    if (control == nullptr || !window_.IsItemEnabled(id)) {
        return;
    }
    if (control->autoToggle) {
        window_.SetCheck(id, window_.GetCheck(id) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    }
    dialog_.SendCommand(id);
}

bool DialogManager::TakesKey(const KeyStroke& stroke, Focus focus) {
    const bool plain = !stroke.shift && !stroke.alt && !stroke.control;
    const bool inText = focus == Focus::Text;
    switch (stroke.key) {
        case DialogKey::Tab:
            return !stroke.alt && !stroke.control;
        case DialogKey::Enter:
        case DialogKey::Escape:
        case DialogKey::F1:
            return plain;
        case DialogKey::Space:
            return plain && focus == Focus::Button;
        case DialogKey::F4:
            return stroke.alt && !stroke.shift && !stroke.control;
        case DialogKey::F10:
            // Shift+F10 and the Menu key open the window menu, except in a text box, whose own
            // edit menu they open.
            return stroke.shift && !stroke.alt && !stroke.control && !inText;
        case DialogKey::ContextMenu:
            return plain && !inText;
    }
    return false;
}

bool DialogManager::TakesKey(const KeyStroke& stroke, int focused) const {
    const Control* control = Find(focused);
    const Focus focus = control == nullptr ? Focus::None
                        : control->button  ? Focus::Button
                        : control->edit    ? Focus::Text
                                           : Focus::Other;
    return TakesKey(stroke, focus);
}

template <typename Taken>
std::vector<KeyStroke> DialogManager::StrokesWhere(Taken taken) {
    std::vector<KeyStroke> strokes;
    for (const DialogKey key : kDialogKeys) {
        for (int modifiers = 0; modifiers < 8; ++modifiers) {
            const KeyStroke stroke{key, (modifiers & 1) != 0, (modifiers & 2) != 0,
                                   (modifiers & 4) != 0};
            if (taken(stroke)) {
                strokes.push_back(stroke);
            }
        }
    }
    return strokes;
}

std::vector<KeyStroke> DialogManager::KeysTaken(int focused) const {
    return StrokesWhere(
        [this, focused](const KeyStroke& stroke) { return TakesKey(stroke, focused); });
}

std::vector<KeyStroke> DialogManager::KeysAMessageBoxTakes() {
    return StrokesWhere([](const KeyStroke& stroke) { return TakesKey(stroke, Focus::Button); });
}

DialogManager::MessageBoxAnswer DialogManager::AnswerOfAMessageBox(const KeyStroke& stroke) {
    if (!TakesKey(stroke, Focus::Button)) {
        return MessageBoxAnswer::None;
    }
    switch (stroke.key) {
        case DialogKey::Enter:
        case DialogKey::Space:
        case DialogKey::Escape:
        case DialogKey::F4:
            return MessageBoxAnswer::Close;
        case DialogKey::F1:
            return MessageBoxAnswer::Help;
        default:
            return MessageBoxAnswer::None;
    }
}

std::vector<KeyStroke> DialogManager::KeysAnyDialogTakes() {
    return StrokesWhere([](const KeyStroke& stroke) {
        constexpr Focus kFocuses[] = {Focus::None, Focus::Button, Focus::Text, Focus::Other};
        return std::any_of(std::begin(kFocuses), std::end(kFocuses),
                           [&stroke](Focus focus) { return TakesKey(stroke, focus); });
    });
}

bool DialogManager::PressKey(const KeyStroke& stroke) {
    const int focused = window_.GetFocusedItem();
    if (!TakesKey(stroke, focused)) {
        return false;
    }
    switch (stroke.key) {
        case DialogKey::Tab:
            MoveFocus(stroke.shift);
            break;
        case DialogKey::Enter:
            PressEnter();
            break;
        case DialogKey::Space:
            ClickButton(focused);
            break;
        case DialogKey::Escape:
            dialog_.SendCommand(IDCANCEL);
            break;
        case DialogKey::F1:
            dialog_.SendCommand(ID_HELP);
            break;
        case DialogKey::F4:
            dialog_.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
            break;
        case DialogKey::F10:
        case DialogKey::ContextMenu:
            window_.OpenWindowMenu();
            break;
    }
    return true;
}
