// A dialog in the page: its client area built from one of its layouts, and changed between its
// desktop and its narrow layout while it is open.
#include <algorithm>

#include "framework/web/web_dialog_window.h"
#include "framework/web/web_page.h"

using emscripten::val;

int WebDialogWindow::SmallestTargetHeight(const DialogTemplate& dialogTemplate, Layout layout) {
    int smallest = dialogTemplate.cy;
    for (const DialogControl& control : dialogTemplate.controls) {
        if (control.IsClass(ControlClass::Static)) {
            continue;
        }
        const bool closedList =
            control.IsClass(ControlClass::ComboBox) && layout == Layout::Desktop;
        smallest = std::min(smallest, closedList ? kClosedListHeight : control.cy);
    }
    return smallest;
}

const DialogTemplate& WebDialogWindow::LayoutTemplate() const {
    return layout_ == Layout::Narrow && narrow_ ? *narrow_ : desktop_;
}

WebDialogWindow::Layout WebDialogWindow::WantedLayout() const {
    const bool narrow =
        narrow_ && web_page::Script().call<bool>("wantsNarrow", desktop_.cx,
                                                 SmallestTargetHeight(desktop_, Layout::Desktop));
    return narrow ? Layout::Narrow : Layout::Desktop;
}

void WebDialogWindow::FollowPage() {
    for (WebDialogWindow* window = this; window != nullptr; window = window->owner_) {
        const Layout wanted = window->WantedLayout();
        if (wanted != window->layout_) {
            window->ChangeLayout(wanted);
        }
        web_page::Script().call<void>("fit", window->root_);
    }
}

void WebDialogWindow::ChangeLayout(Layout layout) {
    layout_ = layout;
    root_["classList"].call<void>("toggle", val("narrow"), val(layout == Layout::Narrow));
    Rebuild(LayoutTemplate());
}

void WebDialogWindow::BuildClient(const DialogTemplate& dialogTemplate) {
    client_ = web_page::Element("div", "client");
    val style = client_["style"];
    style.set("width", web_page::Em(dialogTemplate.cx, true));
    style.set("height", web_page::Em(dialogTemplate.cy, false));
    elements_.clear();
    for (const DialogControl& control : dialogTemplate.controls) {
        val element = BuildControl(control);
        client_.call<void>("appendChild", element);
        if (control.id != -1) {
            elements_.emplace(control.id, element);
        }
    }
    NameForScreenReaders(dialogTemplate);
    PublishKeysTaken();
}

void WebDialogWindow::RebuildControls(const DialogTemplate& dialogTemplate) {
    const val old = client_;
    BuildClient(dialogTemplate);
    root_.call<void>("replaceChild", client_, old);
}

int WebDialogWindow::RememberedFocus() const {
    // The focus of a window under a modal box is where it was last, to come back to.
    const val lastFocus = web_page::Script().call<val>("lastFocus", root_);
    for (const auto& [id, element] : elements_) {
        if (element.strictlyEquals(lastFocus)) {
            return id;
        }
    }
    return 0;
}

void WebDialogWindow::RestoreFocus(int id) {
    web_page::Script().call<void>("keepFocus", root_, *ElementOf(id));
}
