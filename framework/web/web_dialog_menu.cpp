// The window menu of a dialog in the page: what the system menu is on Windows.
#include "framework/resources/captions.h"
#include "framework/web/web_dialog_window.h"
#include "framework/web/web_page.h"

using emscripten::val;
using web_page::Element;

void WebDialogWindow::BuildWindowMenu() {
    menu_ = Element("div", "window-menu");
    menu_.call<void>("setAttribute", val("role"), val("menu"));
    menu_.set("hidden", true);
    root_.call<void>("appendChild", menu_);
    for (const WindowCommand& command : Commands()) {
        AppendSystemMenu(MF_STRING, command.id, command.text);
    }
}

void WebDialogWindow::AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) {
    if (flags & MF_SEPARATOR) {
        val separator = Element("hr", "separator");
        separator.call<void>("setAttribute", val("role"), val("separator"));
        menu_.call<void>("appendChild", separator);
        return;
    }
    val item = Element("button", "menu-item");
    item.call<void>("setAttribute", val("role"), val("menuitem"));
    item.set("tabIndex", -1);
    item.set("textContent", ShownText(text, 0));
    web_page::Script().call<void>("onClick", item, windowId_, val("syscommand"),
                                  static_cast<unsigned>(id));
    menu_.call<void>("appendChild", item);
}

void WebDialogWindow::OpenWindowMenu() {
    if (HasSystemMenu()) {
        web_page::Script().call<void>("openMenu", menu_);
    }
}
