// The keys of a dialog in the page: those the dialog takes published to the page, and the
// page's key events handed to the dialog manager.
#include <optional>
#include <string_view>
#include <utility>

#include "framework/web/web_dialog_window.h"
#include "framework/web/web_page.h"

using emscripten::val;

namespace {

// The browser's names of the keys a dialog acts on.
constexpr std::pair<std::string_view, DialogKey> kBrowserKeyNames[] = {
    {"Tab", DialogKey::Tab}, {"Enter", DialogKey::Enter},
    {" ", DialogKey::Space}, {"Escape", DialogKey::Escape},
    {"F1", DialogKey::F1},   {"F4", DialogKey::F4},
    {"F10", DialogKey::F10}, {"ContextMenu", DialogKey::ContextMenu},
};

std::optional<DialogKey> DialogKeyOf(const std::string& key) {
    for (const auto& [name, dialogKey] : kBrowserKeyNames) {
        if (key == name) {
            return dialogKey;
        }
    }
    return std::nullopt;
}

// A stroke as the page's script names a key event: "Ctrl+", "Alt+" and "Shift+" in that order
// before the browser's name of the key ("Shift+Tab", "Alt+F4").
std::string StrokeName(const KeyStroke& stroke) {
    std::string name = stroke.control ? "Ctrl+" : "";
    name += stroke.alt ? "Alt+" : "";
    name += stroke.shift ? "Shift+" : "";
    for (const auto& [browserName, dialogKey] : kBrowserKeyNames) {
        if (dialogKey == stroke.key) {
            name += browserName;
        }
    }
    return name;
}

// Key strokes as one string of names with a tab between them (a space is a key's name).
std::string StrokesText(const std::vector<KeyStroke>& strokes) {
    std::string text;
    for (const KeyStroke& stroke : strokes) {
        text += (text.empty() ? "" : "\t") + StrokeName(stroke);
    }
    return text;
}

// The stroke of one of the page's key events, or none for a key that is not the dialog's.
std::optional<KeyStroke> StrokeOf(const val& event) {
    const auto key = DialogKeyOf(event["key"].as<std::string>());
    if (!key) {
        return std::nullopt;
    }
    return KeyStroke{*key, event["shift"].as<bool>(), event["alt"].as<bool>(),
                     event["ctrl"].as<bool>()};
}

}  // namespace

void WebDialogWindow::PublishKeysTaken() {
    // The page must decide when a key comes whether it is the dialog's, before the program reads
    // it: the dialog manager's answers for each control, and for a focus on none of them.
    root_["dataset"].set("dialogKeys", StrokesText(manager().KeysTaken(0)));
    for (const auto& [id, element] : elements_) {
        element["dataset"].set("dialogKeys", StrokesText(manager().KeysTaken(id)));
    }
}

void WebDialogWindow::PublishMenuKeys(const val& menu) {
    // The browser's names of the keys and the page's names of what they do, in the order of
    // MenuKey and MenuAnswer.
    constexpr std::string_view kKeyNames[] = {"ArrowDown", "ArrowUp", "Home",  "End",
                                              "Enter",     " ",       "Escape"};
    constexpr std::string_view kAnswerNames[] = {"next", "previous", "first",
                                                 "last", "choose",   "close"};
    std::string text;
    for (const MenuKeyAnswer& entry : kOpenMenuKeys) {
        text += std::string(text.empty() ? "" : "\t") +
                std::string(kKeyNames[static_cast<int>(entry.key)]) + "=" +
                std::string(kAnswerNames[static_cast<int>(entry.answer)]);
    }
    menu["dataset"].set("menuKeys", text);
}

void WebDialogWindow::PublishNoticeKeys(const val& notice) {
    notice["dataset"].set("dialogKeys", StrokesText(DialogManager::KeysAMessageBoxTakes()));
}

DialogManager::MessageBoxAnswer WebDialogWindow::NoticeAnswer(const val& event) {
    const auto stroke = StrokeOf(event);
    return stroke ? DialogManager::AnswerOfAMessageBox(*stroke)
                  : DialogManager::MessageBoxAnswer::None;
}

void WebDialogWindow::PressKey(const val& event) {
    if (const auto stroke = StrokeOf(event)) {
        manager().PressKey(*stroke);
    }
}
