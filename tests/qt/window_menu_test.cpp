#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "app/tuning_app.h"
#include "calculator/tuning_dlg.h"
#include "res/resource.h"
#include "tests/qt/qt_harness.h"

namespace {

using WindowMenu = QtDialogTest;

QStringList ItemTexts(QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << (action->isSeparator() ? QStringLiteral("---") : action->text());
    }
    return texts;
}

// Chooses the last item of the next menu that pops up.
void ChooseLastItemOfNextMenu() {
    QTimer::singleShot(50, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "no menu opened";
        menu->setActiveAction(menu->actions().last());
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

TEST_F(WindowMenu, EndsWithASeparatorAndTheAboutItem) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        EXPECT_EQ(ItemTexts(window.WindowMenu()),
                  QStringList({"Minimize", "Close", "---", "&About Vardolin..."}));
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

// Opens the window menu the way the test's parameter says and picks "About".
class AboutFromTheWindowMenu : public QtDialogTest,
                               public ::testing::WithParamInterface<const char*> {};

TEST_P(AboutFromTheWindowMenu, OpensTheAboutBoxAndChangesNothing) {
    const std::string how = GetParam();
    CTuningDlg dialog;
    QString aboutCaption;
    Run(dialog, [&](QtDialogWindow& window) {
        Edit(window, IDC_VALUE)->setText("445");
        QTest::keyClick(&window, Qt::Key_Return);
        Edit(window, IDC_REFERENCE)->setText("441");
        WhenNextDialogOpens([&aboutCaption](QtDialogWindow& about) {
            aboutCaption = about.windowTitle();
            QTest::keyClick(&about, Qt::Key_Escape);
        });
        ChooseLastItemOfNextMenu();
        if (how == "right click") {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    window.mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(&window, &click);
        } else if (how == "Shift+F10") {
            QTest::keyClick(Focused(), Qt::Key_F10, Qt::ShiftModifier);
        } else {
            QTest::keyClick(Focused(), Qt::Key_Menu);
        }
        EXPECT_EQ(aboutCaption, "About Vardolin");
        EXPECT_EQ(Text(window, IDC_REFERENCE), "441");
        EXPECT_EQ(Text(window, IDC_CENT), "19.5622");
        EXPECT_TRUE(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutFromTheWindowMenu,
                         ::testing::Values("right click", "Shift+F10", "Menu key"));

TEST_F(WindowMenu, F1OpensTheAboutBoxOverTheCalculator) {
    CTuningApp app;
    QString aboutCaption;
    bool centredOverOwner = false;
    RunApplication(app, [&](QtDialogWindow& calculator) {
        WhenNextDialogOpens([&](QtDialogWindow& about) {
            aboutCaption = about.windowTitle();
            centredOverOwner =
                about.parentWidget() == &calculator &&
                (about.frameGeometry().center() - calculator.frameGeometry().center())
                        .manhattanLength() <= 4;
            QTest::mouseClick(about.Control(IDOK), Qt::LeftButton);
        });
        QTest::keyClick(Focused(), Qt::Key_F1);
        QTest::keyClick(&calculator, Qt::Key_Escape);
    });
    EXPECT_EQ(aboutCaption, "About Vardolin");
    EXPECT_TRUE(centredOverOwner);
}

TEST_F(WindowMenu, MinimizeAndCloseAreSystemCommands) {
    CTuningDlg dialog;
    const INT_PTR result = Run(dialog, [](QtDialogWindow& window) {
        EXPECT_EQ(window.WindowMenu().actions()[0]->data().toUInt(), SC_MINIMIZE);
        window.dialog().SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        EXPECT_TRUE(window.isMinimized());
        window.dialog().SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    });
    EXPECT_EQ(result, IDCANCEL);
}

// The Menu key's edit menu is Qt's own; Shift+F10 is the dialog's.
TEST_F(WindowMenu, ShiftF10InABoxOpensTheBoxsEditMenuInstead) {
    CTuningDlg dialog;
    QStringList items;
    Run(dialog, [&](QtDialogWindow& window) {
        window.Control(IDC_VALUE)->setFocus();
        QTest::keyClick(Focused(), Qt::Key_F10, Qt::ShiftModifier);
        // A box's edit menu pops up without a loop of its own.
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            items = ItemTexts(*menu);
            menu->close();
        }
        window.dialog().SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    });
    EXPECT_EQ(items.filter(QStringLiteral("Select All")).size(), 1)
        << items.join(", ").toStdString();
}

}  // namespace
