#pragma once

#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/window_system.h"

// A dialog's window in the web page, built from its template as elements placed in dialog
// units of the page's font (em units, so that the page scales the window as a whole through
// its font size), with the keyboard and focus behaviour of Windows dialogs:
// - Tab and Shift+Tab move over the tab stops in template order; Tab into a box selects its
//   text.
// - Enter runs a focused push button, otherwise the default button; Space presses a focused
//   button; Escape and the close box send IDCANCEL; F1 sends the help command.
// - Right-click on the window, the Menu key or Shift+F10 (outside a text box) open the window
//   menu: Close and what the program appended.
// The page's script (dialog_page.js) turns DOM events into the queue that the modal loop reads.
class WebDialogWindow : public DialogWindow {
public:
    WebDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, WebDialogWindow* owner,
                    int windowId);
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
    void NotifyNumberExpected(int id, const std::string& notice) override;
    void EndDialog(int result) override;
    bool HasSystemMenu() const override { return hasSystemMenu_; }
    void AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) override;
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

    void Build(const DialogTemplate& dialogTemplate);
    emscripten::val BuildControl(const DialogControl& control);
    void NameBoxesAfterTheirCaptions(const DialogTemplate& dialogTemplate);
    const Control* Find(int id) const;
    void Dispatch(const emscripten::val& event);
    void PressKey(const emscripten::val& event);
    void MoveFocus(bool backwards);
    void FocusControl(const Control& control, bool selectText);
    void OpenWindowMenu();
    int FocusedControlId() const;

    CDialog& dialog_;
    WebDialogWindow* owner_;
    int windowId_;
    emscripten::val root_;
    emscripten::val client_;
    emscripten::val menu_;
    std::map<int, Control> controls_;
    std::vector<int> tabStops_;  // template order
    int defaultButton_ = IDOK;
    bool hasSystemMenu_;
    std::optional<int> result_;
};
