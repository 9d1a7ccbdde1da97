#include <gtest/gtest.h>

#include <vector>

#include "framework/core/app.h"
#include "framework/core/dialog.h"
#include "framework/memory/memory_window.h"
#include "tests/framework/res/test_resources.h"

namespace {

// A dialog that records which of its handlers ran.
class RecordingDialog : public CDialog {
public:
    RecordingDialog() : CDialog(IDD_EXCHANGE) {}

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap() {
        static constexpr MessageMapEntry entries[] = {
            MapButtonClicked<&RecordingDialog::OnFirst>(IDC_TOGGLE),
            MapCommand<&RecordingDialog::OnSecond>(IDC_PUSH),
            MapSysCommand<&RecordingDialog::OnSysCommand>(),
        };
        static constexpr MessageMap map{&CDialog::GetThisMessageMap, entries};
        return &map;
    }

    std::vector<std::string> calls;

protected:
    void OnOK() override { calls.push_back("OnOK"); }
    void OnFirst() { calls.push_back("first"); }
    void OnSecond() { calls.push_back("second"); }
    void OnSysCommand(UINT id, LPARAM) { calls.push_back("sys " + std::to_string(id)); }
};

// An application whose help command is recorded.
class RecordingApp : public CWinApp {
public:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap() {
        static constexpr MessageMapEntry entries[] = {
            MapCommand<&RecordingApp::OnHelpCommand>(ID_HELP)};
        static constexpr MessageMap map{&CWinApp::GetThisMessageMap, entries};
        return &map;
    }
    int helpCalls = 0;

private:
    void OnHelpCommand() { ++helpCalls; }
};

TEST(MessageMap, RoutesClicksByControlId) {
    RecordingDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    dialog.SendCommand(IDC_PUSH);
    dialog.SendCommand(IDC_TOGGLE);
    dialog.SendMessage(WM_SYSCOMMAND, 0xF020);
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"second", "first", "sys 61472"}));
}

TEST(MessageMap, OtherNotificationCodesDoNotReachClickHandlers) {
    RecordingDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    constexpr WORD kSetFocus = 6;
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TOGGLE, kSetFocus));
    EXPECT_TRUE(dialog.calls.empty());
}

TEST(MessageMap, BaseMapReachesTheOverriddenOkAndEndsOnCancel) {
    RecordingDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    window->PressEnter();
    EXPECT_EQ(dialog.calls, std::vector<std::string>{"OnOK"});
    EXPECT_FALSE(window->ended());
    window->PressEscape();
    EXPECT_TRUE(window->ended());
    EXPECT_EQ(window->result(), IDCANCEL);
}

TEST(MessageMap, UnhandledMessagesGetTheDefaultHandling) {
    RecordingDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    dialog.SendMessage(WM_PAINT);
    EXPECT_EQ(window->defaultHandled(), std::vector<UINT>{WM_PAINT});
}

TEST(MessageMap, CommandsNoWindowTakesGoToTheApplication) {
    RecordingApp app;
    RecordingDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    dialog.SendCommand(ID_HELP);
    EXPECT_EQ(app.helpCalls, 1);
    EXPECT_TRUE(dialog.calls.empty());
}

TEST(MessageMap, HelpShowsWhatTheProgramHasForHelp) {
    struct HelpfulApp : CWinApp {
        void WinHelp() override { ++shown; }
        int shown = 0;
    } app;
    RecordingDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    app.m_pMainWnd = &dialog;
    app.OnHelp();
    EXPECT_EQ(app.shown, 1);
    EXPECT_TRUE(dialog.calls.empty()) << "the framework knows no command of the program's";
}

TEST(ModalRun, EndsWithTheResultGivenToEndDialog) {
    MemoryWindowSystem windows([](MemoryDialogWindow& window) { window.PressEscape(); });
    const ScopedWindowSystem shown(windows);
    RecordingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetDialogWindow(), nullptr) << "the window is gone after the run";
}

TEST(ModalRun, FailsPlainlyWithoutAWindowSystemOrTemplate) {
    RecordingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), -1);
    MemoryWindowSystem windows;
    const ScopedWindowSystem shown(windows);
    CDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
}

}  // namespace
