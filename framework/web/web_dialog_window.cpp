// Building a dialog's window in the page, its events, its window menu (the page's script builds
// and runs it: framework/web/page/window_menu.js), the notice and the icon.
#include "framework/web/web_dialog_window.h"

#include <utility>

#include "framework/resources/captions.h"
#include "framework/web/web_page.h"

using emscripten::val;
using web_page::Element;
using web_page::Script;

WebDialogWindow::WebDialogWindow(CDialog& dialog, const DialogTemplate& desktop,
                                 std::optional<DialogTemplate> narrow, WebDialogWindow* owner,
                                 int windowId)
    : RebuildableDialogWindow(dialog, desktop),
      desktop_(desktop),
      narrow_(std::move(narrow)),
      owner_(owner),
      windowId_(windowId),
      root_(val::null()),
      client_(val::null()),
      menu_(val::null()),
      layout_(Layout::Desktop) {
    layout_ = WantedLayout();
    Build();
}

WebDialogWindow::~WebDialogWindow() {
    Script().call<void>("closeWindow", root_, owner_ != nullptr ? owner_->root_ : val::null());
}

void WebDialogWindow::Build() {
    root_ = Element("div", layout_ == Layout::Narrow ? "dialog narrow" : "dialog");
    root_.call<void>("setAttribute", val("role"), val("dialog"));
    root_.call<void>("setAttribute", val("aria-modal"), val("true"));
    BuildTitleBar(desktop_);
    BuildClient(LayoutTemplate());
    root_.call<void>("appendChild", client_);
    BuildWindowMenu();
    val desktop = val::object();
    desktop.set("cx", desktop_.cx);
    desktop.set("smallestCy", SmallestTargetHeight(desktop_, Layout::Desktop));
    desktop.set("hasNarrow", narrow_.has_value());
    Script().call<void>("openWindow", root_, windowId_, menu_,
                        owner_ != nullptr ? owner_->root_ : val::null(), desktop);
}

void WebDialogWindow::BuildTitleBar(const DialogTemplate& dialogTemplate) {
    val titleBar = Element("div", "titlebar");
    val title = Element("span", "title");
    const std::string titleId = "vardolin-title-" + std::to_string(windowId_);
    title.set("id", titleId);
    title.set("textContent", dialogTemplate.caption);
    root_.call<void>("setAttribute", val("aria-labelledby"), val(titleId));
    titleBar.call<void>("appendChild", title);
    for (const WindowCommand& command : Commands()) {
        // A page cannot be minimised: Close is the one command its title bar shows.
        val close = Element("button", "close");
        close.set("textContent", std::string("\xC3\x97"));
        close.call<void>("setAttribute", val("aria-label"), val(command.text));
        close.set("tabIndex", -1);
        Script().call<void>("onClick", close, windowId_, val("syscommand"), command.id);
        titleBar.call<void>("appendChild", close);
    }
    root_.call<void>("appendChild", titleBar);
}

void WebDialogWindow::Open() {
    Initialize();
    Script().call<void>("ready", root_);
}

void WebDialogWindow::Dispatch(const val& event) {
    const std::string type = event["type"].as<std::string>();
    if (type == "click") {
        manager().ClickButton(event["id"].as<int>());
    } else if (type == "syscommand") {
        Script().call<void>("closeMenu", menu_);
        dialog().SendMessage(WM_SYSCOMMAND, event["id"].as<unsigned>());
    } else if (type == "menu") {
        OpenWindowMenu();
    } else if (type == "key") {
        PressKey(event);
    } else if (type == "layout") {
        FollowPage();
    }
}

void WebDialogWindow::ShowNotice(const std::string& text) {
    // A modal alert over this window, with a loop of its own until the user confirms it.
    const val notice = Script().call<val>("openNotice", root_, windowId_, val(text));
    PublishNoticeKeys(notice["firstChild"]);
    while (true) {
        const val event = web_page::NextEvent(windowId_);
        const std::string type = event["type"].as<std::string>();
        using Answer = DialogManager::MessageBoxAnswer;
        const Answer answer = type == "key" ? NoticeAnswer(event) : Answer::None;
        if (type == "notice-done" || answer == Answer::Close) {
            break;
        }
        if (type == "layout") {
            FollowPage();
        }
        if (answer == Answer::Help) {
            dialog().SendCommand(ID_HELP);  // the owner's help, as a message box asks for it
        }
    }
    Script().call<void>("closeNotice", notice, root_);
}

void WebDialogWindow::SetIcon(HICON icon, WPARAM size) {
    if (size == ICON_SMALL) {
        Script().call<void>("setIcon", root_, windowId_, web_page::IconCanvas(icon));
    }
}

void WebDialogWindow::BuildWindowMenu() {
    menu_ = Script().call<val>("createMenu", root_);
    PublishMenuKeys(menu_);
    for (const WindowCommand& command : Commands()) {
        AppendSystemMenu(MF_STRING, command.id, command.text);
    }
}

void WebDialogWindow::AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) {
    if (flags & MF_SEPARATOR) {
        Script().call<void>("appendMenuSeparator", menu_);
    } else {
        Script().call<void>("appendMenuItem", menu_, windowId_, static_cast<unsigned>(id),
                            ShownText(text, 0));
    }
}

void WebDialogWindow::OpenWindowMenu() {
    if (HasSystemMenu()) {
        Script().call<void>("openMenu", menu_);
    }
}
