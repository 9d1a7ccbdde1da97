// Boxes over the calculator on Qt: each keeps everything below it from input, F1 opens nothing
// over an open box, and the keys and close requests that reach the calculator while a box is
// open (a compositor gives the keyboard to the window the user clicks) act on the box.
#include <QApplication>
#include <QTest>

#include "app/tuning_app.h"
#include "res/resource.h"
#include "tests/qt/qt_harness.h"

namespace {

using ModalBoxes = QtDialogTest;

TEST_F(ModalBoxes, NestedAboutBoxesChainAndF1InOneOpensNothing) {
    CTuningApp app;
    std::vector<std::string> seen;
    RunApplication(app, [&](QtDialogWindow& calculator) {
        WhenNextDialogOpens([&](QtDialogWindow& first) {
            WhenNextDialogOpens([&](QtDialogWindow& second) {
                seen.push_back(second.parentWidget() == &first ? "second owned by the first"
                                                               : "second owned elsewhere");
                QTest::keyClick(&second, Qt::Key_Escape);
            });
            // A second About box, as the system menu command reaches the calculator.
            calculator.dialog().SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
            seen.push_back(QApplication::activeModalWidget() == &first ? "the first is modal again"
                                                                       : "something else is modal");
            QTest::keyClick(&first, Qt::Key_F1);
            seen.push_back(&Top() == &first ? "F1 opened nothing" : "F1 opened a box");
            QTest::keyClick(&first, Qt::Key_Escape);
        });
        QTest::keyClick(Focused(), Qt::Key_F1);
        seen.push_back(QApplication::activeModalWidget() == &calculator ? "calculator modal"
                                                                        : "calculator not modal");
        QTest::keyClick(&calculator, Qt::Key_Escape);
    });
    EXPECT_EQ(seen,
              (std::vector<std::string>{"second owned by the first", "the first is modal again",
                                        "F1 opened nothing", "calculator modal"}));
}

TEST_F(ModalBoxes, F1InTheNoticeOpensNoAboutBox) {
    CTuningApp app;
    bool aboutOpened = true;
    RunApplication(app, [&](QtDialogWindow& calculator) {
        QTest::keyClicks(calculator.Control(IDC_VALUE), "x");
        WhileNextMessageBoxIsOpen([&](QMessageBox&) {
            // What F1 in a message box sends on Windows: the owner's help command.
            calculator.dialog().SendCommand(ID_HELP);
            aboutOpened = &Top() != &calculator;
        });
        calculator.dialog().SendCommand(IDOK);
        QTest::keyClick(&calculator, Qt::Key_Escape);
    });
    EXPECT_FALSE(aboutOpened);
}

TEST_F(ModalBoxes, KeysAndCloseRequestsToTheCalculatorActOnTheOpenBox) {
    CTuningApp app;
    std::vector<std::string> seen;
    const auto aboutBox = [&](const char* what, const std::function<void(QtDialogWindow&)>& send) {
        WhenNextDialogOpens([&seen, what, send](QtDialogWindow& about) {
            send(about);
            seen.push_back(std::string(what) + (about.isVisible() ? " left" : " closed") +
                           " the About box");
            about.reject();
        });
    };
    RunApplication(app, [&](QtDialogWindow& calculator) {
        aboutBox("Alt+F4", [&](QtDialogWindow&) {
            QTest::keyClick(&calculator, Qt::Key_F4, Qt::AltModifier);
        });
        QTest::keyClick(&calculator, Qt::Key_F1);
        // What a compositor sends on Alt+F4 or its window menu's Close.
        aboutBox("a close request", [&](QtDialogWindow&) { calculator.close(); });
        QTest::keyClick(&calculator, Qt::Key_F1);
        seen.push_back(calculator.isVisible() ? "the calculator stayed" : "the calculator went");

        QTest::keyClicks(calculator.Control(IDC_VALUE), "x");
        WhileNextMessageBoxIsOpen([&](QMessageBox& notice) {
            // As a compositor has it: the keyboard is the notice's until the click on the
            // calculator that the key stands for.
            EXPECT_TRUE(QTest::qWaitForWindowActive(&notice));
            QTest::keyClick(&calculator, Qt::Key_Enter, Qt::KeypadModifier);
            seen.push_back(notice.isVisible() ? "keypad Enter left the notice"
                                              : "keypad Enter closed the notice");
        });
        calculator.dialog().SendCommand(IDOK);
        QTest::keyClick(&calculator, Qt::Key_Escape);
    });
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Alt+F4 closed the About box", "a close request closed the About box",
                        "the calculator stayed", "keypad Enter closed the notice"}));
}

}  // namespace
