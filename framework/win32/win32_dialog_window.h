#pragma once

#include "framework/core/dialog.h"
#include "framework/core/window_system.h"

// A running dialog's window on USER32. The dialog manager of the platform does the keyboard,
// the focus and the default button; every message of the window passes the dialog's message
// maps first, and what they leave goes on to the platform's own dialog procedure.
class Win32DialogWindow : public DialogWindow, public MinimizedPainting {
public:
    Win32DialogWindow(HWND window, WNDPROC platformProcedure, CDialog& dialog);

    HWND hwnd() const { return hwnd_; }
    CDialog& dialog() { return dialog_; }

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
    bool HasSystemMenu() const override;
    void AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) override;
    void OpenWindowMenu() override;
    void SetIcon(HICON icon, WPARAM size) override;
    LRESULT HandleByDefault(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool IsIconic() const override;
    void Minimize() override;
    MinimizedPainting* Painting() override { return this; }

    // --- MinimizedPainting ---
    RECT GetClientRect() const override;
    WPARAM BeginPaint() override;
    void DrawIcon(WPARAM context, int x, int y, HICON icon) override;
    void EndPaint(WPARAM context) override;

private:
    LRESULT SendItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    HWND hwnd_;
    WNDPROC platformProcedure_;
    CDialog& dialog_;
    PAINTSTRUCT paint_{};
};
