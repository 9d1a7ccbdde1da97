#include "framework/win32/win32_window_system.h"

#include <memory>

#include "framework/core/accessible_names.h"
#include "framework/core/resource_module.h"
#include "framework/win32/utf16.h"
#include "framework/win32/win32_accessible.h"
#include "framework/win32/win32_dialog_window.h"

namespace {

// What one modal run hands from DialogBoxParam to its window.
struct ModalRun {
    CDialog& dialog;
    const DialogTemplate& dialogTemplate;
    std::unique_ptr<Win32DialogWindow> window;
};

// The accessible names and descriptions of the dialog's controls, answered for each control
// instead of the platform's (which names a list by its text and a box by the caption with its
// colon, and reads no descriptions).
void NameControlsForScreenReaders(HWND dialog, const DialogTemplate& dialogTemplate) {
    for (const AccessibleControl& control :
         AccessibleControlsOf(dialogTemplate, AfxGetResourceImage())) {
        const int id = dialogTemplate.controls[control.index].id;
        if (const HWND item = id != -1 ? GetDlgItem(dialog, id) : nullptr) {
            NameForScreenReaders(item, WideFromUtf8(control.name),
                                 WideFromUtf8(control.description));
        }
    }
}

Win32DialogWindow* WindowOf(HWND hwnd) {
    return reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// The window procedure of every running dialog: its message maps first, then the platform.
LRESULT CALLBACK RouteThroughMessageMaps(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32DialogWindow* window = WindowOf(hwnd);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return window != nullptr ? window->HandleByDefault(message, wParam, lParam)
                                 : DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return window->dialog().SendMessage(message, wParam, lParam);
}

// Centres a dialog that its initialisation did not move: over its owner, or on the work area of
// its screen when it has none.
void CentreIfNotMoved(HWND hwnd, const RECT& before) {
    RECT now{};
    GetWindowRect(hwnd, &now);
    if (now.left != before.left || now.top != before.top) {
        return;
    }
    RECT area{};
    const HWND owner = GetWindow(hwnd, GW_OWNER);
    if (owner != nullptr && IsWindowVisible(owner)) {
        GetWindowRect(owner, &area);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
        area = monitor.rcWork;
    }
    const int x = area.left + (area.right - area.left - (now.right - now.left)) / 2;
    const int y = area.top + (area.bottom - area.top - (now.bottom - now.top)) / 2;
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The dialog procedure the platform calls: it sets the routing up on WM_INITDIALOG and leaves
// everything else to the platform's default dialog handling.
INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    auto* run = reinterpret_cast<ModalRun*>(lParam);
    const auto platform = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    run->window = std::make_unique<Win32DialogWindow>(hwnd, platform, run->dialog);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(run->window.get()));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RouteThroughMessageMaps));
    RECT before{};
    GetWindowRect(hwnd, &before);
    const BOOL focusFirstControl = run->dialog.InitializeWindow(*run->window);
    NameControlsForScreenReaders(hwnd, run->dialogTemplate);
    CentreIfNotMoved(hwnd, before);
    return focusFirstControl;
}

}  // namespace

INT_PTR Win32WindowSystem::RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                          DialogWindow* owner) {
    auto* ownerWindow = dynamic_cast<Win32DialogWindow*>(owner);
    ModalRun run{dialog, dialogTemplate, nullptr};
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialog.GetTemplateId()),
                        ownerWindow != nullptr ? ownerWindow->hwnd() : nullptr, &DialogProcedure,
                        reinterpret_cast<LPARAM>(&run));
    dialog.DetachWindow();
    return result;
}

HICON Win32WindowSystem::LoadProgramIcon(std::uint16_t id) {
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

void Win32WindowSystem::ShowError(const std::string& text) {
    WindowSystem::ShowError(text);
    MessageBoxW(nullptr, WideFromUtf8(text).c_str(), nullptr, MB_OK | MB_ICONERROR);
}
