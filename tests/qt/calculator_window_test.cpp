#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "app/tuning_app.h"
#include "calculator/tuning_dlg.h"
#include "res/resource.h"
#include "tests/qt/qt_harness.h"
#include "tests/support/typed_texts.h"

namespace {

using CalculatorWindow = QtDialogTest;

QStringList Entries(QtDialogWindow& window, int id) {
    auto* combo = qobject_cast<QComboBox*>(window.Control(id));
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i) {
        entries << combo->itemText(i);
    }
    return entries;
}

TEST_F(CalculatorWindow, OpensWithItsValuesAndTheFocusOnCalc) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        EXPECT_EQ(window.windowTitle(), "Vardolin");
        EXPECT_EQ(Text(window, IDC_VALUE), "0");
        EXPECT_EQ(Text(window, IDC_REFERENCE), "440");
        EXPECT_EQ(Text(window, IDC_TONE), "");
        EXPECT_EQ(Text(window, IDC_CENT), "0");
        EXPECT_EQ(Text(window, IDC_NOTE), "A");
        EXPECT_EQ(Entries(window, IDC_NOTE).size(), 12);
        EXPECT_EQ(Entries(window, IDC_OCTAVE),
                  QStringList({"-2", "-1", "0", "1", "2", "3", "4", "5", "6", "7", "8"}));
        EXPECT_EQ(Text(window, IDC_OCTAVE), "3");
        EXPECT_EQ(window.GetCheck(IDC_YAMAHA), BST_CHECKED);
        EXPECT_EQ(window.GetCheck(IDC_ROLAND), BST_UNCHECKED);
        EXPECT_EQ(Focused(), window.Control(IDOK));
        EXPECT_FALSE(window.windowIcon().isNull());
        EXPECT_EQ(window.windowIcon().availableSizes().value(0), QSize(32, 32));
        EXPECT_TRUE(Edit(window, IDC_TONE)->isReadOnly());
        EXPECT_TRUE(Edit(window, IDC_CENT)->isReadOnly());
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(CalculatorWindow, BoxesAreNamedAfterTheirCaptions) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        EXPECT_EQ(window.Control(IDC_VALUE)->accessibleName(), "Val.");
        EXPECT_EQ(window.Control(IDC_REFERENCE)->accessibleName(), "Ref.");
        EXPECT_EQ(window.Control(IDC_TONE)->accessibleName(), "Tone");
        EXPECT_EQ(window.Control(IDC_CENT)->accessibleName(), "Cent");
        EXPECT_EQ(window.Control(IDC_NOTE)->accessibleName(), "Tone");
        EXPECT_EQ(window.Control(IDC_CENT_IN)->accessibleName(), "Cent");
        EXPECT_EQ(window.Control(IDC_OCTAVE)->accessibleName(), "Oct");
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(CalculatorWindow, GrowsWithTheDesktopsTextAndKeepsWhatItShows) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        QTest::keyClicks(window.Control(IDC_VALUE), "445");
        const QString typed = Text(window, IDC_VALUE);
        const QFont desktop = QApplication::font();
        const QSize before = window.size();
        const QRect value = window.Control(IDC_VALUE)->geometry();
        QFont large = desktop;
        large.setPointSizeF(desktop.pointSizeF() * 1.5);
        QApplication::setFont(large);
        EXPECT_GE(window.width(), before.width() * 1.3);
        EXPECT_GE(window.height(), before.height() * 1.3);
        EXPECT_GE(window.Control(IDC_VALUE)->width(), value.width() * 1.3);
        for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(window.rect().contains(control->geometry()))
                << control->metaObject()->className() << " outside the grown window";
        }
        EXPECT_EQ(Text(window, IDC_VALUE), typed);
        QApplication::setFont(desktop);
        EXPECT_EQ(window.size(), before);
        EXPECT_EQ(window.Control(IDC_VALUE)->geometry(), value);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(CalculatorWindow, TogglesSwitchTheNumbering) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        QTest::mouseClick(window.Control(IDC_ROLAND), Qt::LeftButton);
        EXPECT_EQ(window.GetCheck(IDC_ROLAND), BST_CHECKED);
        EXPECT_EQ(window.GetCheck(IDC_YAMAHA), BST_UNCHECKED);
        EXPECT_EQ(Text(window, IDC_OCTAVE), "4");
        EXPECT_EQ(Text(window, IDC_TONE), " C-1");
        QTest::mouseClick(window.Control(IDC_YAMAHA), Qt::LeftButton);
        QTest::mouseClick(window.Control(IDC_YAMAHA), Qt::LeftButton);
        EXPECT_EQ(window.GetCheck(IDC_YAMAHA), BST_CHECKED)
            << "a click on the pressed one keeps it";
        EXPECT_EQ(window.GetCheck(IDC_ROLAND), BST_UNCHECKED);
        EXPECT_EQ(Text(window, IDC_OCTAVE), "3");
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

class CalculatorTyping : public QtDialogTest, public ::testing::WithParamInterface<TypedText> {};

TEST_P(CalculatorTyping, NumbersAreAnalysedAndEverythingElseGetsTheNotice) {
    const TypedText& row = GetParam();
    CTuningDlg dialog;
    QString notice;
    Run(dialog, [this, &notice, &row](QtDialogWindow& window) {
        QLineEdit* value = Edit(window, IDC_VALUE);
        value->setFocus();
        value->selectAll();
        value->insert(QString::fromUtf8(row.text));  // as a paste over the selection
        if (!row.isNumber) {
            DismissNextMessageBox(&notice);
        }
        QTest::keyClick(value, Qt::Key_Return);
        if (row.isNumber) {
            EXPECT_EQ(Text(window, IDC_CENT), row.cent);
            EXPECT_TRUE(notice.isEmpty());
        } else {
            EXPECT_EQ(notice, "Please enter a number.");
            EXPECT_EQ(window.focusWidget(), value);
            EXPECT_EQ(value->text(), "0") << "refilled with the value in force";
            EXPECT_EQ(value->selectedText(), "0") << "selected, to be typed over";
        }
        EXPECT_TRUE(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

INSTANTIATE_TEST_SUITE_P(Texts, CalculatorTyping, ::testing::ValuesIn(kTypedTexts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculatorWindow, CloseBoxEndsTheModalRun) {
    CTuningDlg dialog;
    const INT_PTR result = Run(dialog, [](QtDialogWindow& window) { window.close(); });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(CalculatorWindow, ApplicationRunsTheCalculatorAndEndsWithIt) {
    CTuningApp app;
    QtDialogWindow* seen = nullptr;
    EXPECT_FALSE(RunApplication(app, [&seen](QtDialogWindow& window) {
        seen = &window;
        QTest::keyClick(&window, Qt::Key_Escape);
    }));
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(app.m_pMainWnd, nullptr) << "no reference to the closed dialog is left";
}

}  // namespace
