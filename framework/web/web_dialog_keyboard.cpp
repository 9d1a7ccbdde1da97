// The events of a dialog in the page: the page's queue read one event at a time, clicks to the
// dialog manager and the window menu, keys to the dialog manager.
#include <optional>

#include "framework/web/web_dialog_window.h"
#include "framework/web/web_page.h"

using emscripten::val;

namespace {

std::optional<DialogKey> DialogKeyOf(const std::string& key) {
    if (key == "Tab") {
        return DialogKey::Tab;
    }
    if (key == "Enter") {
        return DialogKey::Enter;
    }
    if (key == " ") {
        return DialogKey::Space;
    }
    if (key == "Escape") {
        return DialogKey::Escape;
    }
    if (key == "F1") {
        return DialogKey::F1;
    }
    if (key == "F10") {
        return DialogKey::F10;
    }
    if (key == "ContextMenu") {
        return DialogKey::ContextMenu;
    }
    return std::nullopt;
}

}  // namespace

val WebDialogWindow::NextEvent() {
    while (true) {
        val event = web_page::Script().call<val>("take", windowId_);
        if (!event.isNull()) {
            return event;
        }
        web_page::WaitForEvent();
    }
}

void WebDialogWindow::Dispatch(const val& event) {
    const std::string type = event["type"].as<std::string>();
    if (type == "click") {
        manager_.ClickButton(event["id"].as<int>());
    } else if (type == "syscommand") {
        web_page::Script().call<void>("closeMenu", menu_);
        dialog_.SendMessage(WM_SYSCOMMAND, event["id"].as<unsigned>());
    } else if (type == "menu") {
        OpenWindowMenu();
    } else if (type == "key") {
        PressKey(event);
    }
}

void WebDialogWindow::PressKey(const val& event) {
    if (const auto key = DialogKeyOf(event["key"].as<std::string>())) {
        manager_.PressKey(
            {*key, event["shift"].as<bool>(), event["alt"].as<bool>(), event["ctrl"].as<bool>()});
    }
}
