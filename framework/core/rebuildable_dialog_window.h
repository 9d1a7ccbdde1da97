#pragma once

#include <string>
#include <utility>

#include "framework/core/managed_dialog_window.h"

// A managed window that can change its layout while it is open (the web page's, when a phone
// turns or the page is zoomed across the width its desktop layout needs): its controls are built
// again from another template of the same dialog, with the same controls, ids and order, and
// every control keeps what it shows and how it stands. The dialog does not know.
class RebuildableDialogWindow : public ManagedDialogWindow {
protected:
    using ManagedDialogWindow::ManagedDialogWindow;

    // Builds the controls again from `dialogTemplate`, keeping each control's text and selected
    // text, check, list entries and selection, whether it is enabled and visible, and the focus.
    void Rebuild(const DialogTemplate& dialogTemplate);

    // --- Rebuilding's primitives ---
    // Replaces every control with a new one built from `dialogTemplate`, as a new window has it.
    virtual void RebuildControls(const DialogTemplate& dialogTemplate) = 0;
    // Entry `index` of drop-down list `id`.
    virtual std::string ListEntry(int id, int index) const = 0;
    // The selected part of edit box `id`'s text, as [start, end), and selecting a part.
    virtual std::pair<int, int> TextSelection(int id) const = 0;
    virtual void SelectText(int id, std::pair<int, int> selection) = 0;
    virtual void EnableItem(int id, bool enabled) = 0;
    virtual void ShowItem(int id, bool visible) = 0;
    // The control that has the focus, or had it last where a box over the window holds it now;
    // and putting it back there.
    virtual int RememberedFocus() const { return GetFocusedItem(); }
    virtual void RestoreFocus(int id) { FocusItem(id, false); }
};
