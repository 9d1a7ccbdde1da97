#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/dialog.h"
#include "framework/core/rebuildable_dialog_window.h"

// A dialog's window held as plain values: for tests, and for running a form without any window
// system. It plays both sides: the window system the dialog talks to, and the user's actions
// (typing, clicking, pressing Enter or Escape), delivered as the platform delivers them.
class MemoryDialogWindow : public RebuildableDialogWindow, public MinimizedPainting {
public:
    // One control as the user sees it.
    struct Control {
        std::string text;
        int check = BST_UNCHECKED;
        std::vector<std::string> entries;
        int selection = CB_ERR;
        bool enabled = true;
        bool visible = true;
    };

    // One item of the system menu; a separator has id 0 and no text.
    struct MenuItem {
        UINT flags;
        UINT_PTR id;
        std::string text;
    };

    // Builds the controls from the template and initialises the dialog.
    MemoryDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate);

    // --- The user's side; a window disabled under a modal box takes none of it ---
    // Replaces the text of an edit box, as typing does, and leaves the caret at its end; the box
    // takes the focus. False for a read-only box or no box.
    bool Type(int id, const std::string& text);
    // A click on a button: it takes the focus if it can; an automatic check box toggles, then
    // the dialog is told.
    void Click(int id);
    // Picks an entry of a drop-down list.
    void Choose(int id, int index);
    // A key, handled by the dialog manager as on a real window.
    void Press(DialogKey key, bool shift = false, bool alt = false);
    void PressEnter() { Press(DialogKey::Enter); }
    void PressEscape() { Press(DialogKey::Escape); }
    void PressF1() { Press(DialogKey::F1); }
    void ChooseSystemMenu(UINT_PTR id);
    // What the user does while a notice is open, before confirming it.
    void WhileNoticeOpen(std::function<void()> steps) { whileNoticeOpen_ = std::move(steps); }
    // Disables or hides a control, as a program can.
    void EnableItem(int id, bool enabled) override;
    void ShowItem(int id, bool visible) override;
    // Builds the window again from another layout of its dialog, as the web page does when the
    // screen changes.
    void ChangeLayout(const DialogTemplate& dialogTemplate) { Rebuild(dialogTemplate); }

    // --- What the user sees ---
    const std::string& caption() const { return caption_; }
    const Control* Find(int id) const;
    std::string Text(int id) const { return GetItemText(id); }
    bool ended() const { return endResult().has_value(); }
    // False while a modal box owned by this window is open.
    bool enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    int result() const { return endResult().value_or(-1); }
    int focus() const { return focus_; }
    // The selected part of the focused box's text, as [start, end).
    std::pair<std::size_t, std::size_t> selection() const { return selectedText_; }
    // The notices the user was shown, in order.
    const std::vector<std::string>& notices() const { return notices_; }
    // How often the window menu was opened.
    int windowMenuOpened() const { return windowMenuOpened_; }
    const std::vector<MenuItem>& systemMenu() const { return systemMenu_; }
    HICON icon(WPARAM size) const { return size == ICON_BIG ? bigIcon_ : smallIcon_; }
    void SetClientRect(RECT rect) { clientRect_ = rect; }

    // An icon drawn while painting, and the messages that reached the default handling.
    struct DrawnIcon {
        int x;
        int y;
        HICON icon;
    };
    const std::vector<DrawnIcon>& drawnIcons() const { return drawnIcons_; }
    const std::vector<UINT>& defaultHandled() const { return defaultHandled_; }

    // --- DialogWindow ---
    std::string GetItemText(int id) const override;
    void SetItemText(int id, const std::string& text) override;
    int GetCheck(int id) const override;
    void SetCheck(int id, int state) override;
    int GetFocusedItem() const override { return focus_; }
    void FocusItem(int id, bool selectText) override;
    bool IsWholeTextSelected(int id) const override;
    bool IsItemEnabled(int id) const override;
    bool IsItemVisible(int id) const override;
    void ShowNotice(const std::string& text) override;
    void AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) override;
    void OpenWindowMenu() override { ++windowMenuOpened_; }
    void SetIcon(HICON icon, WPARAM size) override;
    LRESULT HandleByDefault(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool IsIconic() const override { return iconic_; }
    void Minimize() override { iconic_ = true; }
    MinimizedPainting* Painting() override { return this; }

    // --- MinimizedPainting ---
    RECT GetClientRect() const override { return clientRect_; }
    WPARAM BeginPaint() override { return ++paints_; }
    void DrawIcon(WPARAM, int x, int y, HICON icon) override {
        drawnIcons_.push_back({x, y, icon});
    }
    void EndPaint(WPARAM) override {}

protected:
    // --- ManagedDialogWindow ---
    int ListCount(int id) const override;
    int ListSelection(int id) const override;
    void SelectListEntry(int id, int index) override;
    void AppendListEntry(int id, const std::string& text) override;
    void ClearList(int id) override;
    // --- RebuildableDialogWindow ---
    void RebuildControls(const DialogTemplate& dialogTemplate) override;
    std::string ListEntry(int id, int index) const override;
    std::pair<int, int> TextSelection(int id) const override;
    void SelectText(int id, std::pair<int, int> selection) override;

private:
    Control* FindControl(int id);

    std::string caption_;
    std::map<int, Control> controls_;
    int focus_ = 0;
    std::pair<std::size_t, std::size_t> selectedText_{0, 0};
    std::vector<std::string> notices_;
    int windowMenuOpened_ = 0;
    std::vector<MenuItem> systemMenu_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool iconic_ = false;
    RECT clientRect_{0, 0, 0, 0};
    std::vector<DrawnIcon> drawnIcons_;
    WPARAM paints_ = 0;
    std::vector<UINT> defaultHandled_;
    bool enabled_ = true;
    std::function<void()> whileNoticeOpen_;
};

// Runs dialogs on MemoryDialogWindow. A modal run disables the owner, hands the window to the
// driver, which plays the user's part, and enables the owner again; a run whose driver returns
// without ending the dialog ends as if closed.
class MemoryWindowSystem : public WindowSystem {
public:
    using Driver = std::function<void(MemoryDialogWindow&)>;

    explicit MemoryWindowSystem(Driver driver = {}) : driver_(std::move(driver)) {}

    INT_PTR RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                           DialogWindow* owner) override;
    void ShowError(const std::string& text) override { errors_.push_back(text); }

    // The failures the user was told of, in order.
    const std::vector<std::string>& errors() const { return errors_; }

    // Opens a dialog outside any modal run, for a test to drive: the window lives as long as
    // the returned object. Null when the template is missing.
    static std::unique_ptr<MemoryDialogWindow> Open(CDialog& dialog);

private:
    Driver driver_;
    std::vector<std::string> errors_;
};
