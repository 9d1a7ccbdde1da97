#pragma once

#include <string>

#include "framework/core/cmd_target.h"
#include "framework/core/menu.h"
#include "framework/core/window_system.h"

class CDataExchange;

// A window: a dialog with its own DialogWindow, or a control attached to an item of its
// parent dialog.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override = default;

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    // Copies every control into its field (TRUE) or every field into its control (FALSE)
    // through DoDataExchange. Returns FALSE when a read stopped at a box that does not hold a
    // number; the user has been told then.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Routes a message through the message maps, with the window system's default handling for
    // what no map takes.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Sends what a click on button `id` sends, which is also what menu command `id` sends:
    // WM_COMMAND with the notification code BN_CLICKED (0).
    LRESULT SendCommand(int id);

    // The window system's window this object stands for: its own, or its parent's for a
    // control. Null while the window does not exist.
    DialogWindow* GetDialogWindow() const;

    // The control id of an attached control; 0 for a dialog.
    int GetDlgCtrlID() const { return controlId_; }

    // The window's system menu, or null when it has none. The menu is valid while the window
    // exists.
    CMenu* GetSystemMenu(BOOL revert);

    // Painting into the window while it is minimised, or null where the window system shows
    // no minimised client area (or the window does not exist).
    MinimizedPainting* GetMinimizedPainting() const;

    void SetIcon(HICON icon, BOOL bigIcon);
    void GetClientRect(RECT* rect) const;
    BOOL IsIconic() const;

    // Attaches this object to control `id` of `parent`'s window (DDX_Control does this).
    void AttachToDlgItem(CWnd& parent, int id);
    bool IsAttached() const { return parent_ != nullptr || window_ != nullptr; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // The routing of a message; true when a map took it.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The window system's default handling, for handlers that hand a message on.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();

    void AttachWindow(DialogWindow* window) { window_ = window; }

private:
    DialogWindow* window_ = nullptr;
    CWnd* parent_ = nullptr;
    int controlId_ = 0;
    CMenu systemMenu_;
};
