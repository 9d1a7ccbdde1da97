// The calculator on the real USER32 window system, inside this process: what only the platform
// does (its system menu, icons, the notice box, focus and selection).
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

#include "app/tuning_app.h"
#include "calculator/tuning_dlg.h"
#include "framework/win32/utf16.h"
#include "framework/win32/win32_window_system.h"
#include "res/resource.h"
#include "tests/support/typed_texts.h"

// The program's application object, for the help command and the main window.
CTuningApp theApp;

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
    theApp.m_pMainWnd = &dialog;
    const INT_PTR result = dialog.DoModal();
    theApp.m_pMainWnd = nullptr;
    return result;
}

// Steps played on the ticks of a timer, while whatever modal loop is running pumps it. A step
// returns false while what it waits for (a box opening or closing) has not happened yet, and is
// tried again at the next tick; one that waits in vain fails the test and closes every window.
using LaterStep = std::function<bool()>;
std::deque<LaterStep> laterSteps;
int ticksWaited = 0;
constexpr int kTicksToWait = 60;

BOOL CALLBACK CancelWindow(HWND window, LPARAM) {
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) {
    if (laterSteps.empty()) {
        KillTimer(nullptr, timer);
    } else if (laterSteps.front()()) {
        laterSteps.pop_front();
        ticksWaited = 0;
    } else if (++ticksWaited > kTicksToWait) {
        ADD_FAILURE() << "a step waited in vain";
        laterSteps.clear();
        ticksWaited = 0;
        EnumThreadWindows(GetCurrentThreadId(), &CancelWindow, 0);
    }
}

void PlayLater(std::initializer_list<LaterStep> steps) {
    laterSteps.assign(steps.begin(), steps.end());
    ticksWaited = 0;
    SetTimer(nullptr, 0, 150, &RunNextStep);
}

// The visible window owned by `owner` with the caption `caption`, or null.
HWND OwnedWindow(HWND owner, const std::wstring& caption) {
    for (HWND window = GetTopWindow(nullptr); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window) && caption == text) {
            return window;
        }
    }
    return nullptr;
}

// What F1 sends from a dialog or a message box: WM_HELP to the window (a box's owner).
void PressF1In(HWND window) {
    static HELPINFO help{};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    PostMessageW(window, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
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

bool noticeSeen = false;
HWND noticeOwner = nullptr;

void CALLBACK DismissNotice(HWND, UINT, UINT_PTR timer, DWORD) {
    // The notice is a message box owned by the calculator, with the calculator's caption. F1
    // in it asks the calculator for help, which opens nothing over the notice.
    if (const HWND notice = OwnedWindow(noticeOwner, L"Vardolin")) {
        KillTimer(nullptr, timer);
        noticeSeen = true;
        SendMessageW(noticeOwner, WM_HELP, 0, 0);
        EXPECT_EQ(OwnedWindow(noticeOwner, L"About Vardolin"), nullptr) << "F1 in the notice";
        PostMessageW(notice, WM_COMMAND, IDOK, 0);
    }
}

class Win32Typing : public ::testing::TestWithParam<TypedText> {};

TEST_P(Win32Typing, NumbersAreAnalysedAndEverythingElseGetsTheNotice) {
    const TypedText& row = GetParam();
    noticeSeen = false;
    RunCalculator([&row](HWND dialog) {
        // Pasted as the platform's own UTF-16 text, the way a user's paste arrives.
        SetDlgItemTextW(dialog, IDC_VALUE, WideFromUtf8(row.text).c_str());
        noticeOwner = dialog;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, &DismissNotice);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        KillTimer(nullptr, timer);
        const HWND value = GetDlgItem(dialog, IDC_VALUE);
        EXPECT_EQ(noticeSeen, !row.isNumber);
        if (row.isNumber) {
            EXPECT_EQ(Text(dialog, IDC_CENT), row.cent);
        } else {
            EXPECT_EQ(GetFocus(), value);
            EXPECT_EQ(Text(dialog, IDC_VALUE), "0");
            DWORD start = 1;
            DWORD end = 0;
            SendMessageW(value, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
            EXPECT_EQ(start, 0u);
            EXPECT_EQ(end, 1u) << "the whole text is selected";
        }
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

INSTANTIATE_TEST_SUITE_P(Texts, Win32Typing, ::testing::ValuesIn(kTypedTexts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Win32Calculator, NestedAboutBoxesEachKeepWhatIsBelowDisabled) {
    RunCalculator([](HWND calculator) {
        SetDlgItemTextW(calculator, IDC_VALUE, L"445");
        SendMessageW(calculator, WM_COMMAND, IDOK, 0);
        static HWND first = nullptr;
        PlayLater({
            [calculator] {
                first = OwnedWindow(calculator, L"About Vardolin");
                if (first == nullptr) {
                    return false;
                }
                // A second one, as the system menu command reaches the calculator.
                PostMessageW(calculator, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
                return true;
            },
            [calculator] {
                // The second box is owned by the first.
                const HWND second = OwnedWindow(first, L"About Vardolin");
                if (second == nullptr) {
                    return false;
                }
                EXPECT_FALSE(IsWindowEnabled(first));
                EXPECT_FALSE(IsWindowEnabled(calculator));
                PostMessageW(second, WM_COMMAND, IDCANCEL, 0);
                return true;
            },
            [calculator] {
                if (OwnedWindow(first, L"About Vardolin") != nullptr) {
                    return false;
                }
                EXPECT_TRUE(IsWindowEnabled(first));
                EXPECT_FALSE(IsWindowEnabled(calculator)) << "until the first box closes";
                PressF1In(first);
                return true;
            },
            [] {
                EXPECT_EQ(OwnedWindow(first, L"About Vardolin"), nullptr) << "F1 in the box";
                PostMessageW(first, WM_COMMAND, IDCANCEL, 0);
                return true;
            },
            [calculator] {
                if (OwnedWindow(calculator, L"About Vardolin") != nullptr) {
                    return false;
                }
                EXPECT_TRUE(IsWindowEnabled(calculator));
                EXPECT_EQ(Text(calculator, IDC_CENT), "19.5622") << "values unchanged";
                PostMessageW(calculator, WM_COMMAND, IDCANCEL, 0);
                return true;
            },
        });
        SendMessageW(calculator, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    });
}

// Every text of a dialog shows whole in its box, in the dialog's font at this display's dpi.
void ExpectTextsFit(HWND dialog) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    for (HWND item = GetWindow(dialog, GW_CHILD); item != nullptr;
         item = GetWindow(item, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        wchar_t text[128] = {};
        GetClassNameW(item, className, 16);
        const int length = GetWindowTextW(item, text, 128);
        if (std::wstring(className) != L"Static" || length == 0) {
            continue;
        }
        const HDC context = GetDC(item);
        const HGDIOBJ before = SelectObject(context, font);
        SIZE extent{};
        GetTextExtentPoint32W(context, text, length, &extent);
        SelectObject(context, before);
        ReleaseDC(item, context);
        RECT box{};
        GetClientRect(item, &box);
        EXPECT_LE(extent.cx, box.right) << Utf8FromWide(text) << " is clipped";
    }
}

// The client area of a dialog as its template gives it, in dialog units of its font.
SIZE TemplateSize(HWND dialog, int width, int height) {
    RECT units{0, 0, width, height};
    MapDialogRect(dialog, &units);
    return {units.right, units.bottom};
}

TEST(Win32Calculator, WindowsGrowWithTheDpiAndShowEveryTextWhole) {
    RunCalculator([](HWND calculator) {
        const HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        RECT client{};
        GetClientRect(calculator, &client);
        const SIZE expected = TemplateSize(calculator, 138, 111);
        EXPECT_EQ(client.right, expected.cx);
        EXPECT_EQ(client.bottom, expected.cy);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(calculator, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_EQ(std::abs(font.lfHeight), MulDiv(8, dpi, 72)) << "8 point at " << dpi << " dpi";
        std::printf("[ size ] the calculator's client area is %ld x %ld at %d dpi\n", client.right,
                    client.bottom, dpi);
        ExpectTextsFit(calculator);
        PlayLater({
            [calculator] {
                const HWND about = OwnedWindow(calculator, L"About Vardolin");
                if (about == nullptr) {
                    return false;
                }
                ExpectTextsFit(about);
                PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
                return true;
            },
            [calculator] {
                if (OwnedWindow(calculator, L"About Vardolin") != nullptr) {
                    return false;
                }
                PostMessageW(calculator, WM_COMMAND, IDCANCEL, 0);
                return true;
            },
        });
        SendMessageW(calculator, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    });
}

TEST(Win32Calculator, CloseBoxEndsWithCancel) {
    EXPECT_EQ(RunCalculator([](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }),
              IDCANCEL);
}

}  // namespace
