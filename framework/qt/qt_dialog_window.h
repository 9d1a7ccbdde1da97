#pragma once

#include <QDialog>
#include <QMenu>
#include <map>
#include <optional>
#include <vector>

#include "framework/dialog.h"
#include "framework/qt/control_factory.h"
#include "framework/window_system.h"

class QPainter;

// A dialog's window on Qt, built from its template, with the keyboard and focus behaviour that
// users know from Windows dialogs:
// - Tab and Shift+Tab move over the tab stops in template order; Tab into a box selects its
//   text.
// - Enter runs a focused push button, otherwise the default button; Space presses a focused
//   button; Escape, the close box and Alt+F4 send IDCANCEL.
// - F1 sends the help command.
// - Right-click on the background, the Menu key or Shift+F10 open the window's menu: Minimize,
//   Close, and what the program appended (Linux has no way to extend the window manager's
//   own window menu).
class QtDialogWindow : public QDialog, public DialogWindow {
public:
    QtDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner);
    ~QtDialogWindow() override;

    // The widget of control `id`, or null.
    QWidget* Control(int id) const;
    // The window menu as it would open now.
    QMenu& WindowMenu() { return windowMenu_; }
    CDialog& dialog() { return dialog_; }

    // Initialises the dialog, puts the focus where the dialog manager puts it and runs the
    // modal loop.
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
    bool IsIconic() const override { return isMinimized(); }
    void ShowMinimized(bool minimized) override;
    RECT GetClientRect() const override;
    WPARAM BeginPaint() override { return reinterpret_cast<WPARAM>(painter_); }
    void DrawIcon(WPARAM context, int x, int y, HICON icon) override;
    void EndPaint(WPARAM) override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SendSysCommand(UINT id);
    void PressDefaultButton();
    void OpenWindowMenu(const QPoint& position);
    void NameBoxesAfterTheirCaptions(const DialogTemplate& dialogTemplate,
                                     const std::vector<QWidget*>& widgets);
    void BuildWindowMenu(const DialogTemplate& dialogTemplate);
    QWidget* FirstTabStop() const;
    QPoint CentredFramePosition() const;
    void PlaceOnScreen();
    void CentreOnceFramed(int triesLeft);

    CDialog& dialog_;
    std::map<int, BuiltControl> controls_;
    std::vector<QWidget*> tabStops_;  // template order
    int defaultButton_ = IDOK;        // what Enter presses when no push button has the focus
    QMenu windowMenu_;
    bool hasSystemMenu_;
    QPainter* painter_ = nullptr;
    std::optional<int> endResult_;
};
