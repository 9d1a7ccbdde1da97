#include "framework/core/rebuildable_dialog_window.h"

#include <map>
#include <vector>

namespace {

// What a control shows and how it stands, kept while the window is built again.
struct KeptControl {
    std::string text;
    int check = BST_UNCHECKED;
    bool enabled = true;
    bool visible = true;
    std::vector<std::string> entries;  // a list's
    int selection = -1;                // a list's selected entry
    std::pair<int, int> selectedText;  // a box's
};

}  // namespace

void RebuildableDialogWindow::Rebuild(const DialogTemplate& dialogTemplate) {
    const int focused = RememberedFocus();
    std::map<int, KeptControl> kept;
    for (const DialogControl& control : dialogTemplate.controls) {
        const int id = control.id;
        if (id == -1 || Source(id) == nullptr) {
            continue;
        }
        KeptControl& keep = kept[id];
        keep.enabled = IsItemEnabled(id);
        keep.visible = IsItemVisible(id);
        if (Source(id)->IsClass(ControlClass::ComboBox)) {
            for (int entry = 0; entry < ListCount(id); ++entry) {
                keep.entries.push_back(ListEntry(id, entry));
            }
            keep.selection = ListSelection(id);
            continue;
        }
        keep.text = GetItemText(id);
        keep.check = GetCheck(id);
        if (Source(id)->IsClass(ControlClass::Edit)) {
            keep.selectedText = TextSelection(id);
        }
    }

    RebuildControls(dialogTemplate);

    for (const auto& [id, keep] : kept) {
        EnableItem(id, keep.enabled);
        ShowItem(id, keep.visible);
        if (Source(id)->IsClass(ControlClass::ComboBox)) {
            for (const std::string& entry : keep.entries) {
                AppendListEntry(id, entry);
            }
            SelectListEntry(id, keep.selection);
            continue;
        }
        SetItemText(id, keep.text);
        SetCheck(id, keep.check);
    }
    if (const auto focus = kept.find(focused); focus != kept.end()) {
        RestoreFocus(focused);
        if (Source(focused)->IsClass(ControlClass::Edit)) {
            SelectText(focused, focus->second.selectedText);
        }
    }
}
