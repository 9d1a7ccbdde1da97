// The window menu of a dialog in the page, what the system menu is on Windows: its items, which
// the page's script builds and runs (framework/web/page/window_menu.js).
#include "framework/resources/captions.h"
#include "framework/web/web_dialog_window.h"
#include "framework/web/web_page.h"

using emscripten::val;

void WebDialogWindow::BuildWindowMenu() {
    menu_ = web_page::Script().call<val>("createMenu", root_);
    for (const WindowCommand& command : Commands()) {
        AppendSystemMenu(MF_STRING, command.id, command.text);
    }
}

void WebDialogWindow::AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) {
    if (flags & MF_SEPARATOR) {
        web_page::Script().call<void>("appendMenuSeparator", menu_);
    } else {
        web_page::Script().call<void>("appendMenuItem", menu_, windowId_, static_cast<unsigned>(id),
                                      ShownText(text, 0));
    }
}

void WebDialogWindow::OpenWindowMenu() {
    if (HasSystemMenu()) {
        web_page::Script().call<void>("openMenu", menu_);
    }
}
