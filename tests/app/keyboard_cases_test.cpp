// The keyboard cases on the in-memory window system: the framework's dialog manager as the
// program uses it, without any window.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/tuning_app.h"
#include "calculator/tuning_dlg.h"
#include "framework/memory/memory_window.h"
#include "res/resource.h"
#include "tests/support/keyboard_cases.h"

namespace {

class MemoryKeyboard : public KeyboardDriver {
public:
    MemoryKeyboard() { app.m_pMainWnd = &dialog; }
    ~MemoryKeyboard() override { app.m_pMainWnd = nullptr; }

    void Press(const std::string& key, const std::string& opens) override {
        const std::size_t noticesBefore = window->notices().size();
        const int menusBefore = window->windowMenuOpened();
        opened.clear();
        if (key == "Tab" || key == "Shift+Tab") {
            window->Press(DialogKey::Tab, key == "Shift+Tab");
        } else if (key == "Shift+F10") {
            window->Press(DialogKey::F10, true);
        } else if (key == "Menu") {
            window->Press(DialogKey::ContextMenu);
        } else {
            const std::pair<const char*, DialogKey> plain[] = {{"Enter", DialogKey::Enter},
                                                               {"Space", DialogKey::Space},
                                                               {"Escape", DialogKey::Escape},
                                                               {"F1", DialogKey::F1}};
            const auto found =
                std::find_if(std::begin(plain), std::end(plain),
                             [&key](const auto& entry) { return key == entry.first; });
            ASSERT_NE(found, std::end(plain)) << "no key " << key;
            window->Press(found->second);
        }
        const bool notice = window->notices().size() > noticesBefore;
        EXPECT_EQ(notice, opens == "notice");
        if (notice) {
            EXPECT_EQ(window->notices().back(), "Please enter a number.");
        }
        EXPECT_EQ(window->windowMenuOpened() > menusBefore, opens == "menu");
        EXPECT_EQ(opened, opens == "about" ? std::vector<std::string>{"About Vardolin"}
                                           : std::vector<std::string>{});
    }
    void Type(int id, const std::string& text) override { EXPECT_TRUE(window->Type(id, text)); }
    void Focus(int id) override { window->FocusItem(id, false); }

    int FocusedControl() override { return window->focus(); }
    std::string Text(int id) override { return window->Text(id); }
    bool WholeTextSelected(int id) override { return window->IsWholeTextSelected(id); }
    bool Pressed(int id) override { return window->GetCheck(id) == BST_CHECKED; }
    bool Ended() override { return window->ended(); }

private:
    CTuningApp app;
    std::vector<std::string> opened;  // the captions of the boxes opened over the calculator
    MemoryWindowSystem windows{[this](MemoryDialogWindow& box) {
        opened.push_back(box.caption());
        box.PressEscape();
    }};
    ScopedWindowSystem shown{windows};
    CTuningDlg dialog;
    std::unique_ptr<MemoryDialogWindow> window = MemoryWindowSystem::Open(dialog);
};

class KeyboardOnMemory : public ::testing::TestWithParam<KeyboardCase> {};

TEST_P(KeyboardOnMemory, BehavesAsOnEveryWindowSystem) {
    MemoryKeyboard driver;
    RunKeyboardCase(GetParam(), driver);
}

INSTANTIATE_TEST_SUITE_P(Calculator, KeyboardOnMemory, ::testing::ValuesIn(KeyboardCases()),
                         [](const auto& info) { return info.param.name; });

// What the table cannot show on a calculator whose controls are all enabled and visible: the
// dialog manager passes over disabled and hidden tab stops, and Enter does not press a disabled
// default button.
TEST(KeyboardOnMemory, TabSkipsDisabledAndHiddenControlsAndEnterADisabledDefault) {
    CTuningDlg dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    ASSERT_NE(window, nullptr);
    window->EnableItem(IDC_REFERENCE, false);
    window->ShowItem(IDC_VALUE, false);
    window->Press(DialogKey::Tab);
    EXPECT_EQ(window->focus(), IDC_TONE);
    window->Press(DialogKey::Tab, true);
    EXPECT_EQ(window->focus(), IDOK);
    window->EnableItem(IDOK, false);
    window->Press(DialogKey::Enter);
    EXPECT_EQ(window->Text(IDC_TONE), "") << "the disabled upper Calc did not run";
}

// The keys the dialog takes with the focus on a kind of control, which the web page reads
// before the program sees a key: the rest belong to the control or to the browser.
TEST(KeyboardOnMemory, TheDialogTakesItsOwnKeysAndLeavesTheControlsTheirs) {
    struct Row {
        const char* where;
        int focused;
        KeyStroke stroke;
        bool taken;
    };
    const Row rows[] = {
        {"no control", 0, {DialogKey::Tab}, true},
        {"no control", 0, {DialogKey::Tab, false, false, true}, false},  // Ctrl+Tab: the browser's
        {"no control", 0, {DialogKey::F4, false, true}, true},
        {"no control", 0, {DialogKey::F4, true, true}, false},
        {"a box", IDC_VALUE, {DialogKey::Enter}, true},
        {"a box", IDC_VALUE, {DialogKey::Enter, true}, false},
        {"a box", IDC_VALUE, {DialogKey::Space}, false},
        {"a box", IDC_VALUE, {DialogKey::F10, true}, false},  // the box's own edit menu
        {"a box", IDC_VALUE, {DialogKey::ContextMenu}, false},
        {"a toggle", IDC_ROLAND, {DialogKey::Space}, true},
        {"a toggle", IDC_ROLAND, {DialogKey::F10, true}, true},
        {"a list", IDC_NOTE, {DialogKey::Space}, false},
        {"a list", IDC_NOTE, {DialogKey::ContextMenu}, true},
        {"a button", IDOK, {DialogKey::Escape}, true},
        {"a button", IDOK, {DialogKey::F1, false, false, true}, false},
    };
    CTuningDlg dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    ASSERT_NE(window, nullptr);
    const auto dialogTemplate = dialog.LoadTemplate();
    ASSERT_TRUE(dialogTemplate);
    const DialogManager manager(dialog, *window, *dialogTemplate);
    for (const Row& row : rows) {
        EXPECT_EQ(manager.TakesKey(row.stroke, row.focused), row.taken)
            << "key " << static_cast<int>(row.stroke.key) << " (shift " << row.stroke.shift
            << ", alt " << row.stroke.alt << ", ctrl " << row.stroke.control << ") on "
            << row.where;
    }
}

}  // namespace
