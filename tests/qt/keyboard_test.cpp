#include <QTest>

#include "calculator/tuning_dlg.h"
#include "res/resource.h"
#include "tests/qt/qt_harness.h"

namespace {

using DialogKeyboard = QtDialogTest;

TEST_F(DialogKeyboard, TabFollowsTheTemplateOrder) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        const int order[] = {IDC_REFERENCE, IDC_VALUE,  IDC_TONE, IDC_CENT,
                             IDC_ROLAND,    IDC_YAMAHA, IDC_NOTE, IDC_CENT_IN,
                             IDC_CALC_FREQ, IDC_OCTAVE, IDOK};
        for (int id : order) {
            QTest::keyClick(Focused(), Qt::Key_Tab);
            EXPECT_EQ(Focused(), window.Control(id)) << "expected control " << id;
        }
        QTest::keyClick(Focused(), Qt::Key_Backtab);
        EXPECT_EQ(Focused(), window.Control(IDC_OCTAVE));
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(DialogKeyboard, TabIntoABoxSelectsItsText) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        QTest::keyClick(Focused(), Qt::Key_Tab);
        EXPECT_EQ(Edit(window, IDC_REFERENCE)->selectedText(), "440");
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(DialogKeyboard, EnterInValRunsTheUpperCalcAndKeepsTheWindow) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        QLineEdit* value = Edit(window, IDC_VALUE);
        value->setFocus();
        value->selectAll();
        QTest::keyClicks(value, "452.5");
        QTest::keyClick(value, Qt::Key_Return);
        EXPECT_EQ(Text(window, IDC_TONE), " A3");
        EXPECT_EQ(Text(window, IDC_CENT), "48.4971");
        EXPECT_TRUE(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(DialogKeyboard, EnterInTheLowerCentBoxAnalysesToo) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        Edit(window, IDC_VALUE)->setText("445");
        QLineEdit* cents = Edit(window, IDC_CENT_IN);
        cents->setFocus();
        cents->selectAll();
        QTest::keyClicks(cents, "100");
        QTest::keyClick(cents, Qt::Key_Enter);
        EXPECT_EQ(Text(window, IDC_CENT), "19.5622");
        EXPECT_EQ(Text(window, IDC_VALUE), "445") << "no synthesis";
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(DialogKeyboard, FocusedLowerCalcRunsWithSpaceOrEnter) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        Edit(window, IDC_CENT_IN)->setText("100");
        QWidget* calc = window.Control(IDC_CALC_FREQ);
        calc->setFocus();
        QTest::keyClick(calc, Qt::Key_Space);
        EXPECT_EQ(Text(window, IDC_VALUE), "466.164");
        Edit(window, IDC_CENT_IN)->setText("-50");
        QTest::keyClick(calc, Qt::Key_Return);
        EXPECT_EQ(Text(window, IDC_VALUE), "427.474");
        EXPECT_EQ(Text(window, IDC_TONE), "") << "the analysis did not run";
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(DialogKeyboard, EnterOnAToggleRunsTheDefaultButton) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        Edit(window, IDC_VALUE)->setText("440");
        window.Control(IDC_ROLAND)->setFocus();
        QTest::keyClick(Focused(), Qt::Key_Return);
        EXPECT_EQ(Text(window, IDC_TONE), " A3");
        EXPECT_EQ(window.GetCheck(IDC_ROLAND), BST_UNCHECKED);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(DialogKeyboard, EscapeAndAltF4EndTheModalRun) {
    for (const auto& [key, modifier] :
         {std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_F4, Qt::AltModifier}}) {
        CTuningDlg dialog;
        const INT_PTR result = Run(dialog, [key = key, modifier = modifier](QtDialogWindow&) {
            QTest::keyClick(Focused(), key, modifier);
        });
        EXPECT_EQ(result, IDCANCEL);
    }
}

}  // namespace
