// The calculator on the real USER32 window system, inside this process: what only the platform
// does (its system menu, icons, the notice box, focus and selection).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "calculator/tuning_dlg.h"
#include "framework/win32/win32_window_system.h"
#include "res/resource.h"

namespace {

std::function<void(HWND)> pendingSteps;

void CALLBACK RunPendingSteps(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowA(nullptr, "Vardolin");
    if (dialog == nullptr || !IsWindowVisible(dialog)) {
        return;
    }
    KillTimer(nullptr, timer);
    auto steps = std::move(pendingSteps);
    steps(dialog);
}

// Runs the calculator modally on USER32 and plays `steps` once its window shows.
INT_PTR RunCalculator(std::function<void(HWND)> steps) {
    Win32WindowSystem windows;
    const ScopedWindowSystem shown(windows);
    pendingSteps = std::move(steps);
    SetTimer(nullptr, 0, 20, &RunPendingSteps);
    CTuningDlg dialog;
    return dialog.DoModal();
}

std::string Text(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

TEST(Win32Calculator, SystemMenuEndsWithSeparatorAndAbout) {
    RunCalculator([](HWND dialog) {
        const HMENU menu = GetSystemMenu(dialog, FALSE);
        ASSERT_NE(menu, nullptr);
        const int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR);
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(count - 1), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "&About Vardolin...");
        EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST(Win32Calculator, BigAndSmallIconAreTheSameHandle) {
    RunCalculator([](HWND dialog) {
        const LRESULT big = SendMessageA(dialog, WM_GETICON, ICON_BIG, 0);
        EXPECT_NE(big, 0);
        EXPECT_EQ(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0), big);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST(Win32Calculator, MinimisedWindowDragsTheProgramIcon) {
    RunCalculator([](HWND dialog) {
        SendMessageA(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(IsIconic(dialog));
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0),
                  SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST(Win32Calculator, OpensCentredWithTheFocusOnCalc) {
    RunCalculator([](HWND dialog) {
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
        EXPECT_EQ(Text(dialog, IDC_REFERENCE), "440");
        EXPECT_EQ(Text(dialog, IDC_OCTAVE), "3");
        RECT window{};
        GetWindowRect(dialog, &window);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const int centre = (window.left + window.right) / 2;
        const int areaCentre = (monitor.rcWork.left + monitor.rcWork.right) / 2;
        EXPECT_LE(std::abs(centre - areaCentre), 1);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

void CALLBACK DismissNotice(HWND, UINT, UINT_PTR timer, DWORD) {
    // The notice is a message box owned by the calculator, with the calculator's caption.
    for (HWND window = GetTopWindow(nullptr); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        char text[64] = {};
        GetWindowTextA(window, text, sizeof text);
        if (GetWindow(window, GW_OWNER) != nullptr && IsWindowVisible(window) &&
            std::string(text) == "Vardolin") {
            KillTimer(nullptr, timer);
            PostMessageA(window, WM_COMMAND, IDOK, 0);
            return;
        }
    }
}

TEST(Win32Calculator, BadTextGivesTheNoticeThenFocusAndSelection) {
    RunCalculator([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_VALUE, "445Hz");
        SetTimer(nullptr, 0, 50, &DismissNotice);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        const HWND value = GetDlgItem(dialog, IDC_VALUE);
        EXPECT_EQ(GetFocus(), value);
        EXPECT_EQ(Text(dialog, IDC_VALUE), "0");
        DWORD start = 1;
        DWORD end = 0;
        SendMessageA(value, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 1u) << "the whole text is selected";
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST(Win32Calculator, CloseBoxEndsWithCancel) {
    EXPECT_EQ(RunCalculator([](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }),
              IDCANCEL);
}

}  // namespace
