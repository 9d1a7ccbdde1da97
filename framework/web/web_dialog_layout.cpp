// A dialog in the page changing between its desktop and its narrow layout while it is open.
#include <algorithm>
#include <vector>

#include "framework/web/web_dialog_window.h"
#include "framework/web/web_page.h"

using emscripten::val;

namespace {

// What a control shows and how it stands, kept while its window is built again.
struct KeptControl {
    std::string text;
    int check = BST_UNCHECKED;
    bool enabled = true;
    bool visible = true;
    std::vector<std::string> entries;  // a list's
    int selection = -1;                // a list's selected entry
    int selectionStart = 0;            // a box's selected text
    int selectionEnd = 0;
};

}  // namespace

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
    // The focus of a window under a modal box is where it was last, to come back to.
    const val lastFocus = web_page::Script().call<val>("lastFocus", root_);
    int focused = 0;
    std::map<int, KeptControl> kept;
    for (const auto& [id, control] : controls_) {
        KeptControl& keep = kept[id];
        const val& element = control.element;
        if (element.strictlyEquals(lastFocus)) {
            focused = id;
        }
        keep.enabled = IsItemEnabled(id);
        keep.visible = IsItemVisible(id);
        if (control.source.IsClass(ControlClass::ComboBox)) {
            for (int entry = 0; entry < ListCount(id); ++entry) {
                keep.entries.push_back(element["options"][entry]["text"].as<std::string>());
            }
            keep.selection = ListSelection(id);
            continue;
        }
        keep.text = GetItemText(id);
        keep.check = GetCheck(id);
        if (control.source.IsClass(ControlClass::Edit)) {
            keep.selectionStart = element["selectionStart"].as<int>();
            keep.selectionEnd = element["selectionEnd"].as<int>();
        }
    }

    layout_ = layout;
    root_["classList"].call<void>("toggle", val("narrow"), val(layout == Layout::Narrow));
    const val old = client_;
    BuildClient();
    root_.call<void>("replaceChild", client_, old);

    for (const auto& [id, keep] : kept) {
        const Control* control = Find(id);
        if (control == nullptr) {
            continue;
        }
        control->element.set("disabled", !keep.enabled);
        control->element["style"].set("visibility", std::string(keep.visible ? "" : "hidden"));
        if (control->source.IsClass(ControlClass::ComboBox)) {
            for (const std::string& entry : keep.entries) {
                AppendListEntry(id, entry);
            }
            SelectListEntry(id, keep.selection);
            continue;
        }
        SetItemText(id, keep.text);
        SetCheck(id, keep.check);
    }
    if (const Control* control = focused != 0 ? Find(focused) : nullptr) {
        web_page::Script().call<void>("keepFocus", root_, control->element);
        if (control->source.IsClass(ControlClass::Edit)) {
            const KeptControl& keep = kept[focused];
            control->element.call<void>("setSelectionRange", keep.selectionStart,
                                        keep.selectionEnd);
        }
    }
}
