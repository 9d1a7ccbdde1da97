#pragma once

#include <QDialog>
#include <QMenu>
#include <map>
#include <vector>

#include "framework/core/dialog.h"
#include "framework/core/managed_dialog_window.h"
#include "framework/qt/control_factory.h"

// A dialog's window on Qt, built from its template. The framework's dialog manager gives it the
// keyboard and focus behaviour that users know from Windows dialogs; the window reports every
// key to it first and adds what is Qt's own:
// - the close box sends the system command Close;
// - right-click on the background, the Menu key or Shift+F10 open the window's menu: Minimize,
//   Close, and what the program appended (Linux has no way to extend the window manager's own
//   window menu).
class QtDialogWindow : public QDialog, public ManagedDialogWindow {
public:
    QtDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner);

    // The widget of control `id`, or null.
    QWidget* Control(int id) const;
    // The window menu as it would open now.
    QMenu& WindowMenu() { return windowMenu_; }

    // Initialises the dialog, puts the focus where the dialog manager puts it and runs the
    // modal loop.
    int RunModal();

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
    void EndDialog(int result) override;
    void AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) override;
    void OpenWindowMenu() override;
    void SetIcon(HICON icon, WPARAM size) override;
    bool IsIconic() const override { return isMinimized(); }
    void Minimize() override;

protected:
    // --- ManagedDialogWindow ---
    int ListCount(int id) const override;
    int ListSelection(int id) const override;
    void SelectListEntry(int id, int index) override;
    void AppendListEntry(int id, const std::string& text) override;
    void ClearList(int id) override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Rounds of events between Qt and a Wayland compositor after which a closing menu's requests
    // for activation are all sent: the keyboard's return, the token, the activation.
    static constexpr int kSettlingRounds = 3;

    void SendSysCommand(UINT id);
    void MinimizeOnceSettled(int roundsLeft);
    void ExecWindowMenu(const QPoint& position);
    // Applies the accessible names, descriptions and caption relations of the template.
    void NameForScreenReaders(const DialogTemplate& dialogTemplate,
                              const std::vector<QWidget*>& widgets);
    // Lays the window out again in the desktop's font, grown or shrunk with it.
    void FollowDesktopFont();
    QPoint CentredFramePosition() const;
    void PlaceOnScreen();

    const DialogTemplate template_;
    std::map<int, BuiltControl> controls_;
    std::vector<BuiltControl> built_;  // in the template's order
    QMenu windowMenu_;
    bool centredInFrame_ = false;
};
