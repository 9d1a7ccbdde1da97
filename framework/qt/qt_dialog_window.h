#pragma once

#include <QDialog>
#include <QMenu>
#include <map>
#include <optional>
#include <vector>

#include "framework/core/dialog.h"
#include "framework/core/dialog_manager.h"
#include "framework/core/window_system.h"
#include "framework/qt/control_factory.h"

class QPainter;

// A dialog's window on Qt, built from its template. The framework's dialog manager gives it the
// keyboard and focus behaviour that users know from Windows dialogs; the window reports every
// key to it first and adds what is Qt's own:
// - the close box sends the system command Close;
// - right-click on the background, the Menu key or Shift+F10 open the window's menu: Minimize,
//   Close, and what the program appended (Linux has no way to extend the window manager's own
//   window menu).
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
    bool IsIconic() const override { return isMinimized(); }
    void ShowMinimized(bool minimized) override;
    RECT GetClientRect() const override;
    WPARAM BeginPaint() override { return reinterpret_cast<WPARAM>(painter_); }
    void DrawIcon(WPARAM context, int x, int y, HICON icon) override;
    void EndPaint(WPARAM) override {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SendSysCommand(UINT id);
    void ExecWindowMenu(const QPoint& position);
    void NameBoxesAfterTheirCaptions(const DialogTemplate& dialogTemplate,
                                     const std::vector<QWidget*>& widgets);
    void BuildWindowMenu(const DialogTemplate& dialogTemplate);
    QPoint CentredFramePosition() const;
    void PlaceOnScreen();
    void CentreOnceFramed(int triesLeft);

    CDialog& dialog_;
    DialogManager manager_;
    std::map<int, BuiltControl> controls_;
    QMenu windowMenu_;
    bool hasSystemMenu_;
    QPainter* painter_ = nullptr;
    std::optional<int> endResult_;
};
