#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/dialog.h"
#include "framework/core/dialog_manager.h"
#include "framework/core/window_commands.h"
#include "framework/memory/memory_window.h"
#include "tests/framework/res/test_resources.h"

namespace {

// A dialog that records the commands its keys and clicks send, and ends only when cancelled.
class KeysDialog : public CDialog {
public:
    KeysDialog() : CDialog(IDD_EXCHANGE) {}

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap() {
        static constexpr MessageMapEntry entries[] = {
            MapCommand<&KeysDialog::OnPush>(IDC_PUSH),
            MapCommand<&KeysDialog::OnToggle>(IDC_TOGGLE),
            MapCommand<&KeysDialog::OnHelp>(ID_HELP),
        };
        static constexpr MessageMap map{&CDialog::GetThisMessageMap, entries};
        return &map;
    }

    std::vector<std::string> commands;

protected:
    void OnOK() override { commands.push_back("OK"); }
    void OnPush() { commands.push_back("push"); }
    void OnToggle() { commands.push_back("toggle"); }
    void OnHelp() { commands.push_back("help"); }
};

class DialogManagerTest : public ::testing::Test {
protected:
    KeysDialog dialog;
    std::unique_ptr<MemoryDialogWindow> window = MemoryWindowSystem::Open(dialog);
};

TEST_F(DialogManagerTest, FocusStartsOnTheFirstTabStopAndTabWrapsBothWays) {
    EXPECT_EQ(window->focus(), IDOK);
    window->Press(DialogKey::Tab);
    EXPECT_EQ(window->focus(), IDC_FIRST);
    EXPECT_TRUE(window->IsWholeTextSelected(IDC_FIRST)) << "Tab into a box selects its text";
    window->Press(DialogKey::Tab, true);
    window->Press(DialogKey::Tab, true);
    EXPECT_EQ(window->focus(), IDC_FILLED_LIST) << "Shift+Tab from the first stop wraps";
    window->Press(DialogKey::Tab);
    EXPECT_EQ(window->focus(), IDOK);
}

TEST_F(DialogManagerTest, TabPassesOverDisabledAndHiddenControls) {
    window->EnableItem(IDC_FIRST, false);
    window->ShowItem(IDC_SECOND, false);
    window->Press(DialogKey::Tab);
    EXPECT_EQ(window->focus(), IDC_THIRD);
}

TEST_F(DialogManagerTest, EnterPressesTheFocusedPushButtonElseAnEnabledDefault) {
    window->FocusItem(IDC_PUSH, false);
    window->PressEnter();
    window->Type(IDC_FIRST, "5");
    window->PressEnter();
    window->EnableItem(IDOK, false);
    window->PressEnter();
    EXPECT_EQ(dialog.commands, (std::vector<std::string>{"push", "OK"}));
}

TEST_F(DialogManagerTest, SpacePressesAFocusedButtonAndToggles) {
    window->FocusItem(IDC_TOGGLE, false);
    window->Press(DialogKey::Space);
    EXPECT_EQ(window->GetCheck(IDC_TOGGLE), BST_CHECKED);
    window->Type(IDC_FIRST, "5");
    window->Press(DialogKey::Space);
    EXPECT_EQ(dialog.commands, std::vector<std::string>{"toggle"}) << "Space in a box is typed";
}

TEST_F(DialogManagerTest, F1AsksForHelpAndAltF4CancelsAsEscapeDoes) {
    window->PressF1();
    EXPECT_FALSE(window->ended());
    window->Press(DialogKey::F4, false, true);
    EXPECT_EQ(dialog.commands, std::vector<std::string>{"help"});
    EXPECT_EQ(window->result(), IDCANCEL);
}

TEST_F(DialogManagerTest, MenuKeysOpenTheWindowMenuOutsideATextBox) {
    window->Press(DialogKey::ContextMenu);
    window->Press(DialogKey::F10, true);
    EXPECT_EQ(window->windowMenuOpened(), 2);
    window->Type(IDC_FIRST, "5");
    window->Press(DialogKey::ContextMenu);
    window->Press(DialogKey::F10, true);
    EXPECT_EQ(window->windowMenuOpened(), 2) << "a box's own edit menu opens instead";
}

TEST(DialogManager, AModalBoxCatchesExactlyTheKeysSomeFocusTakes) {
    KeysDialog dialog;
    const auto dialogTemplate = dialog.LoadTemplate();
    MemoryDialogWindow window(dialog, *dialogTemplate);
    DialogManager manager(dialog, window, *dialogTemplate);
    std::vector<KeyStroke> someFocusTakes;
    for (const int focused : {0, IDOK, IDC_FIRST, IDC_LIST}) {
        for (const KeyStroke& stroke : manager.KeysTaken(focused)) {
            if (std::find(someFocusTakes.begin(), someFocusTakes.end(), stroke) ==
                someFocusTakes.end()) {
                someFocusTakes.push_back(stroke);
            }
        }
    }
    const std::vector<KeyStroke> caught = DialogManager::KeysAnyDialogTakes();
    EXPECT_EQ(caught.size(), someFocusTakes.size());
    for (const KeyStroke& stroke : someFocusTakes) {
        EXPECT_NE(std::find(caught.begin(), caught.end(), stroke), caught.end())
            << "key " << static_cast<int>(stroke.key) << " shift " << stroke.shift << " alt "
            << stroke.alt;
    }
}

TEST(DialogManager, AMessageBoxClosesOnItsButtonsKeysAndAsksForHelpOnF1) {
    using Answer = DialogManager::MessageBoxAnswer;
    const std::pair<KeyStroke, Answer> rows[] = {
        {{DialogKey::Enter}, Answer::Close},
        {{DialogKey::Space}, Answer::Close},
        {{DialogKey::Escape}, Answer::Close},
        {{DialogKey::F4, false, true}, Answer::Close},
        {{DialogKey::F1}, Answer::Help},
        {{DialogKey::Tab}, Answer::None},
        {{DialogKey::F10, true}, Answer::None},
        {{DialogKey::Enter, false, false, true}, Answer::None},
        {{DialogKey::F4}, Answer::None},
    };
    const std::vector<KeyStroke> taken = DialogManager::KeysAMessageBoxTakes();
    for (const auto& [stroke, answer] : rows) {
        EXPECT_EQ(DialogManager::AnswerOfAMessageBox(stroke), answer)
            << "key " << static_cast<int>(stroke.key);
        if (answer != Answer::None) {
            EXPECT_NE(std::find(taken.begin(), taken.end(), stroke), taken.end())
                << "the message box takes key " << static_cast<int>(stroke.key);
        }
    }
}

TEST_F(DialogManagerTest, ListsKeepTheirContractsAndOtherControlsAnswerNoList) {
    EXPECT_EQ(window->SetCurSel(IDC_LIST, 3), CB_ERR);
    EXPECT_EQ(window->GetCurSel(IDC_LIST), CB_ERR) << "a position outside clears the selection";
    EXPECT_EQ(window->SetCurSel(IDC_LIST, 1), 1);
    EXPECT_EQ(window->AddString(IDC_LIST, "Four"), 3);
    EXPECT_EQ(window->GetCurSel(IDC_LIST), 1) << "adding an entry selects nothing";
    EXPECT_EQ(window->AddString(IDC_FIRST, "x"), CB_ERR);
    EXPECT_EQ(window->GetCurSel(IDC_FIRST), CB_ERR);
}

TEST_F(DialogManagerTest, SystemCommandsMinimizeAndClose) {
    dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(window->IsIconic());
    EXPECT_FALSE(window->ended());
    dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_EQ(window->result(), IDCANCEL);
}

struct CommandsRow {
    std::uint32_t style;
    bool canMinimize;
    std::vector<UINT> commands;
};

TEST(WindowCommands, FollowTheStyleAndWhatTheWindowSystemCanDo) {
    using template_style::MinimizeBox;
    using template_style::SysMenu;
    const CommandsRow rows[] = {
        {SysMenu | MinimizeBox, true, {SC_MINIMIZE, SC_CLOSE}},
        {SysMenu | MinimizeBox, false, {SC_CLOSE}},
        {SysMenu, true, {SC_CLOSE}},
        {MinimizeBox, true, {SC_MINIMIZE}},
        {0, true, {}},
        {kNoticeStyle, true, {SC_CLOSE}},
    };
    for (const CommandsRow& row : rows) {
        std::vector<UINT> ids;
        for (const WindowCommand& command : WindowCommandsOf(row.style, row.canMinimize)) {
            ids.push_back(command.id);
            EXPECT_EQ(command.text, command.id == SC_CLOSE ? "Close" : "Minimize");
        }
        EXPECT_EQ(ids, row.commands) << "style " << std::hex << row.style;
    }
}

}  // namespace
