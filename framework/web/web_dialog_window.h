#pragma once

#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>

#include "framework/core/dialog.h"
#include "framework/core/dialog_manager.h"
#include "framework/core/window_system.h"

// A dialog's window in the web page, built from its template as elements placed in dialog
// units of the page's font (em units, so that the page scales the window as a whole through
// its font size). The framework's dialog manager gives it the keyboard and focus of Windows
// dialogs; the page adds what is the browser's own:
// - the close box sends the system command Close;
// - right-click on the window, the Menu key or Shift+F10 (outside a text box), a tap or click on
//   the window's icon and a long press on its background open the window menu: Close and what
//   the program appended.
// The page's script (dialog_page.js) turns DOM events into the queue that the modal loop reads;
// the loop sleeps while the queue is empty.
class WebDialogWindow : public DialogWindow {
public:
    // Narrow: the dialog's layout for phones, whose drop-down lists are as high as the template
    // says (the phone picks from a list of its own) and whose targets are sized for fingers.
    enum class Layout { Desktop, Narrow };

    WebDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, Layout layout,
                    WebDialogWindow* owner, int windowId);
    ~WebDialogWindow() override;
    WebDialogWindow(const WebDialogWindow&) = delete;
    WebDialogWindow& operator=(const WebDialogWindow&) = delete;

    // Initialises the dialog, then runs until EndDialog; returns its result.
    int RunModal();

    // --- DialogWindow ---
    std::string GetItemText(int id) const override;
    void SetItemText(int id, const std::string& text) override;
    int GetCheck(int id) const override;
    void SetCheck(int id, int state) override;
    int GetCurSel(int id) const override;
    int SetCurSel(int id, int index) override;
    void ResetContent(int id) override;
    int AddString(int id, const std::string& text) override;
    int GetFocusedItem() const override;
    void FocusItem(int id, bool selectText) override;
    bool IsWholeTextSelected(int id) const override;
    bool IsItemEnabled(int id) const override;
    bool IsItemVisible(int id) const override;
    void ShowNotice(const std::string& text) override;
    void EndDialog(int result) override;
    bool HasSystemMenu() const override { return hasSystemMenu_; }
    void AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) override;
    void OpenWindowMenu() override;
    void SetIcon(HICON icon, WPARAM size) override;
    LRESULT HandleByDefault(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool IsIconic() const override { return false; }
    void ShowMinimized(bool) override {}
    RECT GetClientRect() const override;
    WPARAM BeginPaint() override { return 0; }
    void DrawIcon(WPARAM, int, int, HICON) override {}
    void EndPaint(WPARAM) override {}

private:
    struct Control {
        DialogControl source;
        mutable emscripten::val element;  // a handle: setting its properties changes the page
    };

    // Building (web_dialog_window.cpp, web_dialog_controls.cpp).
    void Build(const DialogTemplate& dialogTemplate);
    void BuildTitleBar(const DialogTemplate& dialogTemplate);
    void BuildWindowMenu();
    emscripten::val BuildControl(const DialogControl& control);
    // Accessibility (web_dialog_accessibility.cpp).
    void NameBoxesAfterTheirCaptions(const DialogTemplate& dialogTemplate);
    // Events (web_dialog_keyboard.cpp).
    emscripten::val NextEvent();
    void Dispatch(const emscripten::val& event);
    void PressKey(const emscripten::val& event);

    const Control* Find(int id) const;
    const Control* FindList(int id) const;

    CDialog& dialog_;
    DialogManager manager_;
    WebDialogWindow* owner_;
    int windowId_;
    emscripten::val root_;
    emscripten::val client_;
    emscripten::val menu_;
    std::map<int, Control> controls_;
    bool hasSystemMenu_;
    Layout layout_;
    std::optional<int> result_;
};
