// The events of a dialog in the page: the page's queue read one event at a time, clicks to the
// dialog manager and the window menu, keys to the dialog manager.
#include <optional>
#include <string_view>
#include <utility>

#include "framework/web/web_dialog_window.h"
#include "framework/web/web_page.h"

using emscripten::val;

namespace {

// The browser's names of the keys a dialog acts on.
constexpr std::pair<std::string_view, DialogKey> kDialogKeys[] = {
    {"Tab", DialogKey::Tab},
    {"Enter", DialogKey::Enter},
    {" ", DialogKey::Space},
    {"Escape", DialogKey::Escape},
    {"F1", DialogKey::F1},
    {"F10", DialogKey::F10},
    {"ContextMenu", DialogKey::ContextMenu},
};

std::optional<DialogKey> DialogKeyOf(const std::string& key) {
    for (const auto& [name, dialogKey] : kDialogKeys) {
        if (key == name) {
            return dialogKey;
        }
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
