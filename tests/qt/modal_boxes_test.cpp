// Boxes over the calculator on Qt: each keeps everything below it from input, and F1 opens
// nothing over an open box.
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

}  // namespace
