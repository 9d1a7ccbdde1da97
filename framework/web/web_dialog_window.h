#pragma once

#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/dialog.h"
#include "framework/core/rebuildable_dialog_window.h"
#include "framework/core/window_commands.h"

// A dialog's window in the web page, built from its template as elements placed in dialog
// units of the page's font (em units, so that the page scales the window as a whole through
// its font size). The framework's dialog manager gives it the keyboard and focus of Windows
// dialogs; the page adds what is the browser's own:
// - the close box sends the system command Close;
// - right-click on the window, the Menu key or Shift+F10 (outside a text box), a tap or click on
//   the window's icon and a long press on its background open the window menu: Close and what
//   the program appended.
// The page's script (framework/web/page/) turns DOM events into the queue that the window system's
// modal loop reads; the loop sleeps while the queue is empty.
// A dialog with a narrow layout (for phones, and desktop browsers zoomed far in) takes it where
// its desktop layout does not fit the page's width, and changes layout whenever the page crosses
// that width while the window is open: its client area is built again from the other template
// (RebuildableDialogWindow), and every control keeps its value, selection, state and the focus.
// The title bar, the window menu and the boxes over the window stay as they are; the dialog does
// not know.
class WebDialogWindow : public RebuildableDialogWindow {
public:
    // Narrow: the dialog's layout for narrow pages, whose drop-down lists are as high as the
    // template says (a phone picks from a list of its own) and whose targets are larger.
    enum class Layout { Desktop, Narrow };

    WebDialogWindow(CDialog& dialog, const DialogTemplate& desktop,
                    std::optional<DialogTemplate> narrow, WebDialogWindow* owner, int windowId);
    ~WebDialogWindow() override;

    // The window's number, which the page's events carry.
    int id() const { return windowId_; }
    // Initialises the dialog and tells the page that the window is ready for the user.
    void Open();
    // Handles one of the window's events from the page's queue (web_dialog_window.cpp).
    void Dispatch(const emscripten::val& event);

    // --- DialogWindow ---
    std::string GetItemText(int id) const override;
    void SetItemText(int id, const std::string& text) override;
    int GetCheck(int id) const override;
    void SetCheck(int id, int state) override;
    int GetFocusedItem() const override;
    void FocusItem(int id, bool selectText) override;
    bool IsWholeTextSelected(int id) const override;
    bool IsItemEnabled(int id) const override;
    bool IsItemVisible(int id) const override;
    void ShowNotice(const std::string& text) override;
    void AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) override;
    void OpenWindowMenu() override;
    void SetIcon(HICON icon, WPARAM size) override;
    bool IsIconic() const override { return false; }
    void Minimize() override {}

protected:
    // --- ManagedDialogWindow ---
    int ListCount(int id) const override;
    int ListSelection(int id) const override;
    void SelectListEntry(int id, int index) override;
    void AppendListEntry(int id, const std::string& text) override;
    void ClearList(int id) override;
    // --- RebuildableDialogWindow (web_dialog_layout.cpp, web_dialog_controls.cpp) ---
    void RebuildControls(const DialogTemplate& dialogTemplate) override;
    std::string ListEntry(int id, int index) const override;
    std::pair<int, int> TextSelection(int id) const override;
    void SelectText(int id, std::pair<int, int> selection) override;
    void EnableItem(int id, bool enabled) override;
    void ShowItem(int id, bool visible) override;
    int RememberedFocus() const override;
    void RestoreFocus(int id) override;

private:
    // Building (web_dialog_window.cpp, web_dialog_controls.cpp).
    void Build();
    void BuildTitleBar(const DialogTemplate& dialogTemplate);
    void BuildWindowMenu();
    emscripten::val BuildControl(const DialogControl& control);
    // Accessibility (web_dialog_accessibility.cpp).
    void NameForScreenReaders(const DialogTemplate& dialogTemplate);
    // A drop-down list's closed box on the desktop layout, in dialog units; the template's
    // height includes the dropped-down list.
    static constexpr int kClosedListHeight = 12;

    // The layout (web_dialog_layout.cpp).
    // The height in dialog units of the template's lowest target (a button, box or list).
    static int SmallestTargetHeight(const DialogTemplate& dialogTemplate, Layout layout);
    const DialogTemplate& LayoutTemplate() const;
    Layout WantedLayout() const;
    // Builds the client area and its controls from `dialogTemplate`.
    void BuildClient(const DialogTemplate& dialogTemplate);
    // Changes this window and the windows under it to the layout the page wants now.
    void FollowPage();
    void ChangeLayout(Layout layout);
    // Keys (web_dialog_keyboard.cpp).
    void PublishKeysTaken();
    void PressKey(const emscripten::val& event);
    // What the keys do in the window menu while it is open.
    static void PublishMenuKeys(const emscripten::val& menu);
    // The notice takes the keys of a message box, and they do there what they do in one.
    static void PublishNoticeKeys(const emscripten::val& notice);
    static DialogManager::MessageBoxAnswer NoticeAnswer(const emscripten::val& event);

    // The element of control `id`, or null; and whether the control is of class `kind`.
    emscripten::val* ElementOf(int id) const;
    bool IsOfClass(int id, ControlClass kind) const;
    // The window menu's and the title bar's commands: a page cannot be minimised.
    std::vector<WindowCommand> Commands() const { return WindowCommandsOf(desktop_.style, false); }

    DialogTemplate desktop_;
    std::optional<DialogTemplate> narrow_;
    WebDialogWindow* owner_;
    int windowId_;
    emscripten::val root_;
    emscripten::val client_;
    emscripten::val menu_;
    // Handles: setting their properties changes the page.
    mutable std::map<int, emscripten::val> elements_;
    Layout layout_;
};
