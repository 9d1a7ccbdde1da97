#pragma once

#include <map>
#include <optional>
#include <string>

#include "framework/core/dialog_manager.h"
#include "framework/core/window_system.h"
#include "framework/resources/dialog_template.h"

class CDialog;

// A dialog's window on a window system without a dialog manager of its own (the in-memory
// window, Qt, the web page). It holds what those share: the dialog and the framework's dialog
// manager, the template's controls by id, the first focus, the end of the modal run, the system
// commands Close and Minimize, and the drop-down lists' contracts ("SetCurSel" outside
// the list clears the selection and gives CB_ERR; adding an entry selects nothing). A window
// system derives from it and supplies only its primitives: its widgets' text, checks, list
// entries, focus, states, the notice and the window menu.
class ManagedDialogWindow : public DialogWindow {
public:
    ~ManagedDialogWindow() override;
    ManagedDialogWindow(const ManagedDialogWindow&) = delete;
    ManagedDialogWindow& operator=(const ManagedDialogWindow&) = delete;

    CDialog& dialog() const { return dialog_; }
    // Whether EndDialog was called, and with which result.
    const std::optional<int>& endResult() const { return endResult_; }

    // --- DialogWindow, decided once for every managed window ---
    int GetCurSel(int id) const final;
    int SetCurSel(int id, int index) final;
    void ResetContent(int id) final;
    int AddString(int id, const std::string& text) final;
    void EndDialog(int result) override;
    bool HasSystemMenu() const final { return hasSystemMenu_; }
    // Close sends IDCANCEL, Minimize minimises the window; nothing else.
    LRESULT HandleByDefault(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    ManagedDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate);

    // Initialises the dialog (OnInitDialog) and puts the focus where it asks; called once the
    // window's controls exist.
    void Initialize();

    DialogManager& manager() { return manager_; }
    // The template's control `id`, or null.
    const DialogControl* Source(int id) const;

    // --- A drop-down list's primitives, asked only of ids that are drop-down lists ---
    virtual int ListCount(int id) const = 0;
    // The selected position, or -1 for none.
    virtual int ListSelection(int id) const = 0;
    // Selects a position in the list, or nothing for -1.
    virtual void SelectListEntry(int id, int index) = 0;
    // Appends an entry, leaving the selection as it was.
    virtual void AppendListEntry(int id, const std::string& text) = 0;
    virtual void ClearList(int id) = 0;

private:
    bool IsList(int id) const;

    CDialog& dialog_;
    DialogManager manager_;
    std::map<int, DialogControl> sources_;
    bool hasSystemMenu_;
    std::optional<int> endResult_;
};
