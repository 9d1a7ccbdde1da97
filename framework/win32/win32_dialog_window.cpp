#include "framework/win32/win32_dialog_window.h"

#include <vector>

#include "framework/win32/utf16.h"

Win32DialogWindow::Win32DialogWindow(HWND window, WNDPROC platformProcedure, CDialog& dialog)
    : hwnd_(window), platformProcedure_(platformProcedure), dialog_(dialog) {}

LRESULT Win32DialogWindow::SendItemMessage(int id, UINT message, WPARAM wParam,
                                           LPARAM lParam) const {
    return SendDlgItemMessageW(hwnd_, id, message, wParam, lParam);
}

std::string Win32DialogWindow::GetItemText(int id) const {
    const HWND item = GetDlgItem(hwnd_, id);
    if (item == nullptr) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1);
    const int length = GetWindowTextW(item, buffer.data(), static_cast<int>(buffer.size()));
    return Utf8FromWide(std::wstring(buffer.data(), static_cast<std::size_t>(length)));
}

void Win32DialogWindow::SetItemText(int id, const std::string& text) {
    const HWND item = GetDlgItem(hwnd_, id);
    if (item == nullptr) {
        return;
    }
    SetWindowTextW(item, WideFromUtf8(text).c_str());
}

int Win32DialogWindow::GetCheck(int id) const {
    return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
}

void Win32DialogWindow::SetCheck(int id, int state) {
    CheckDlgButton(hwnd_, id, state == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED);
}

int Win32DialogWindow::GetCurSel(int id) const {
    return static_cast<int>(SendItemMessage(id, CB_GETCURSEL));
}

int Win32DialogWindow::SetCurSel(int id, int index) {
    return static_cast<int>(SendItemMessage(id, CB_SETCURSEL, static_cast<WPARAM>(index)));
}

void Win32DialogWindow::ResetContent(int id) {
    SendItemMessage(id, CB_RESETCONTENT);
}

int Win32DialogWindow::AddString(int id, const std::string& text) {
    const std::wstring wide = WideFromUtf8(text);
    return static_cast<int>(
        SendItemMessage(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

int Win32DialogWindow::GetFocusedItem() const {
    const HWND focused = GetFocus();
    return focused != nullptr && GetParent(focused) == hwnd_ ? GetDlgCtrlID(focused) : 0;
}

void Win32DialogWindow::FocusItem(int id, bool selectText) {
    const HWND item = GetDlgItem(hwnd_, id);
    if (item == nullptr) {
        return;
    }
    // The dialog manager's own way to move the focus, which also keeps the default button right.
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
    if (selectText) {
        SendMessageW(item, EM_SETSEL, 0, -1);
    }
}

bool Win32DialogWindow::IsWholeTextSelected(int id) const {
    const HWND item = GetDlgItem(hwnd_, id);
    if (item == nullptr) {
        return false;
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(item, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == 0 && static_cast<int>(end) == GetWindowTextLengthW(item);
}

bool Win32DialogWindow::IsItemEnabled(int id) const {
    const HWND item = GetDlgItem(hwnd_, id);
    return item != nullptr && IsWindowEnabled(item);
}

bool Win32DialogWindow::IsItemVisible(int id) const {
    const HWND item = GetDlgItem(hwnd_, id);
    return item != nullptr && (GetWindowLongW(item, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32DialogWindow::ShowNotice(const std::string& text) {
    wchar_t caption[256] = {};
    GetWindowTextW(hwnd_, caption, static_cast<int>(std::size(caption)));
    MessageBoxW(hwnd_, WideFromUtf8(text).c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
}

void Win32DialogWindow::EndDialog(int result) {
    ::EndDialog(hwnd_, result);
}

bool Win32DialogWindow::HasSystemMenu() const {
    return GetSystemMenu(hwnd_, FALSE) != nullptr;
}

void Win32DialogWindow::AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) {
    if (const HMENU menu = GetSystemMenu(hwnd_, FALSE)) {
        const std::wstring wide = WideFromUtf8(text);
        AppendMenuW(menu, flags, id, (flags & MF_SEPARATOR) ? nullptr : wide.c_str());
    }
}

void Win32DialogWindow::OpenWindowMenu() {
    // What Alt+Space does: the system menu, opened from the keyboard.
    SendMessageW(hwnd_, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
}

void Win32DialogWindow::SetIcon(HICON icon, WPARAM size) {
    SendMessageW(hwnd_, WM_SETICON, size, reinterpret_cast<LPARAM>(icon));
}

LRESULT Win32DialogWindow::HandleByDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    // F1 in a dialog: the platform asks for help; the framework's answer is its help command.
    if (message == WM_HELP) {
        dialog_.SendCommand(ID_HELP);
        return TRUE;
    }
    return CallWindowProcW(platformProcedure_, hwnd_, message, wParam, lParam);
}

bool Win32DialogWindow::IsIconic() const {
    return ::IsIconic(hwnd_) != FALSE;
}

void Win32DialogWindow::Minimize() {
    ShowWindow(hwnd_, SW_MINIMIZE);
}

RECT Win32DialogWindow::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(hwnd_, &rect);
    return rect;
}

WPARAM Win32DialogWindow::BeginPaint() {
    return reinterpret_cast<WPARAM>(::BeginPaint(hwnd_, &paint_));
}

void Win32DialogWindow::DrawIcon(WPARAM context, int x, int y, HICON icon) {
    ::DrawIcon(reinterpret_cast<HDC>(context), x, y, icon);
}

void Win32DialogWindow::EndPaint(WPARAM) {
    ::EndPaint(hwnd_, &paint_);
}
