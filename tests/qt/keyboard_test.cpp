// The keyboard cases on the Qt window system, typed with QTest into the real widgets; and what
// only a desktop has, Alt+F4.
#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <map>

#include "app/tuning_app.h"
#include "calculator/tuning_dlg.h"
#include "framework/qt/control_factory.h"
#include "res/resource.h"
#include "tests/qt/qt_harness.h"
#include "tests/support/keyboard_cases.h"

namespace {

const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> kKeys = {
    {"Tab", {Qt::Key_Tab, Qt::NoModifier}},
    {"Shift+Tab", {Qt::Key_Backtab, Qt::ShiftModifier}},
    {"Enter", {Qt::Key_Return, Qt::NoModifier}},
    {"Space", {Qt::Key_Space, Qt::NoModifier}},
    {"Escape", {Qt::Key_Escape, Qt::NoModifier}},
    {"F1", {Qt::Key_F1, Qt::NoModifier}},
    {"Shift+F10", {Qt::Key_F10, Qt::ShiftModifier}},
    {"Menu", {Qt::Key_Menu, Qt::NoModifier}},
};

class KeyboardOnQt : public QtDialogTest,
                     public KeyboardDriver,
                     public ::testing::WithParamInterface<KeyboardCase> {
protected:
    void Press(const std::string& key, const std::string& opens) override {
        const auto found = kKeys.find(key);
        ASSERT_NE(found, kKeys.end()) << "no key " << key;
        QString notice;
        bool menuOpened = false;
        std::vector<std::string> opened;
        if (opens == "notice") {
            DismissNextMessageBox(&notice);
        } else if (opens == "menu") {
            CloseNextMenu(&menuOpened);
        } else if (opens == "about") {
            WhenNextDialogOpens([&opened](QtDialogWindow& about) {
                opened.push_back(about.windowTitle().toStdString());
                QTest::keyClick(&about, Qt::Key_Escape);
            });
        }
        // The window's own focus widget: it has the keys once the window is active again, which
        // the offscreen platform may make it a moment after a box or menu over it has closed.
        QWidget* target = window_->focusWidget() != nullptr ? window_->focusWidget() : window_;
        QTest::keyClick(target, found->second.first, found->second.second);
        if ((opens == "notice" || opens == "about") && window_->isVisible()) {
            // The window takes the input back once the box over it has closed.
            EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
        }
        EXPECT_EQ(notice.toStdString(), opens == "notice" ? "Please enter a number." : "");
        EXPECT_EQ(menuOpened, opens == "menu");
        EXPECT_EQ(opened, opens == "about" ? std::vector<std::string>{"About Vardolin"}
                                           : std::vector<std::string>{});
    }
    void Type(int id, const std::string& text) override {
        QLineEdit* box = Edit(*window_, id);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString::fromStdString(text));
    }
    void Focus(int id) override { window_->Control(id)->setFocus(Qt::OtherFocusReason); }

    int FocusedControl() override {
        const QWidget* focused = window_->focusWidget();
        return focused != nullptr ? focused->property(kControlIdProperty).toInt() : 0;
    }
    std::string Text(int id) override { return window_->GetItemText(id); }
    bool WholeTextSelected(int id) override {
        const QLineEdit* box = Edit(*window_, id);
        return box->selectedText() == box->text();
    }
    bool Pressed(int id) override {
        return qobject_cast<QAbstractButton*>(window_->Control(id))->isChecked();
    }
    bool Ended() override { return !window_->isVisible(); }

    QtDialogWindow* window_ = nullptr;
};

TEST_P(KeyboardOnQt, BehavesAsOnEveryWindowSystem) {
    CTuningApp app;
    RunApplication(app, [this](QtDialogWindow& window) {
        window_ = &window;
        RunKeyboardCase(GetParam(), *this);
        if (window.isVisible()) {
            QTest::keyClick(&window, Qt::Key_Escape);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Calculator, KeyboardOnQt, ::testing::ValuesIn(KeyboardCases()),
                         [](const auto& info) { return info.param.name; });

class KeyboardOnTheDesktop : public QtDialogTest {};

TEST_F(KeyboardOnTheDesktop, EscapeAndAltF4EndTheModalRun) {
    for (const auto& [key, modifier] :
         {std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_F4, Qt::AltModifier}}) {
        CTuningDlg dialog;
        const INT_PTR result =
            Run(dialog, [key = key, modifier = modifier](QtDialogWindow& window) {
                QWidget* focused = QApplication::focusWidget();
                QTest::keyClick(focused != nullptr ? focused : &window, key, modifier);
            });
        EXPECT_EQ(result, IDCANCEL);
    }
}

}  // namespace
