#include <QApplication>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "calculator/about_dlg.h"
#include "calculator/tuning_dlg.h"
#include "framework/qt/dialog_units.h"
#include "res/resource.h"
#include "tests/qt/qt_harness.h"

namespace {

using TemplateRendering = QtDialogTest;

// Every control lies inside the window, and no two overlap unless the template already lets
// them touch (a caption one unit into its box). Closed drop-down lists count as 12 units high.
void ExpectLaidOutCleanly(QtDialogWindow& window) {
    const auto dialogTemplate = window.dialog().LoadTemplate();
    ASSERT_TRUE(dialogTemplate.has_value());
    const QList<QWidget*> controls =
        window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(static_cast<std::size_t>(controls.size()), dialogTemplate->controls.size());
    auto unitsRect = [&](int i) {
        const DialogControl& control = dialogTemplate->controls[static_cast<std::size_t>(i)];
        const int height = control.IsClass(ControlClass::ComboBox) ? 12 : control.cy;
        return QRect(control.x, control.y, control.cx, height);
    };
    for (QWidget* control : controls) {
        EXPECT_TRUE(window.rect().contains(control->geometry()))
            << control->property("controlId").toInt() << " leaves the window";
    }
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            if (unitsRect(i).intersects(unitsRect(j))) {
                continue;
            }
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << "control " << i + 1 << " overlaps control " << j + 1;
        }
    }
}

// Every text shows whole in its box, in the font the window actually uses.
void ExpectTextsFit(QtDialogWindow& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const int width = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(width, label->contentsRect().width())
            << '"' << label->text().toStdString() << "\" is clipped";
    }
}

TEST_F(TemplateRendering, CalculatorControlsFitWithoutOverlap) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        ExpectLaidOutCleanly(window);
        ExpectTextsFit(window);
        const DialogBaseUnits units = DialogBaseUnits::Of(window.font());
        EXPECT_EQ(window.size(), QSize(units.ToPixelsX(138), units.ToPixelsY(111)));
        EXPECT_EQ(window.font().pointSizeF(), std::max(8.0, QApplication::font().pointSizeF()))
            << "the template's 8 pt, or the desktop's font where it is larger";
        EXPECT_EQ(window.Control(IDC_VALUE)->geometry().topLeft(),
                  QPoint(units.ToPixelsX(28), units.ToPixelsY(7)));
        EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "no sizing border";
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(TemplateRendering, AboutBoxFitsWithoutOverlapAndShowsTheIcon) {
    CAboutDlg about;
    Run(about, [](QtDialogWindow& window) {
        ExpectLaidOutCleanly(window);
        ExpectTextsFit(window);
        EXPECT_EQ(window.windowTitle(), "About Vardolin");
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

// The calculator's size with the desktop's general font at a point size, in pixels.
QSize CalculatorSizeWithDesktopFont(int pointSize) {
    const QFont saved = QApplication::font();
    QFont desktop = saved;
    desktop.setPointSize(pointSize);
    QApplication::setFont(desktop);
    const DialogBaseUnits units = DialogBaseUnits::Of(TemplateFont(8, 0, false));
    QApplication::setFont(saved);
    return {units.ToPixelsX(138), units.ToPixelsY(111)};
}

TEST(DesktopFont, ALargerOneGrowsTheDialogsASmallerOneDoesNot) {
    const QSize atTemplateSize = CalculatorSizeWithDesktopFont(8);
    EXPECT_EQ(CalculatorSizeWithDesktopFont(6), atTemplateSize) << "never below the template's";
    const QSize at14 = CalculatorSizeWithDesktopFont(14);
    const double ratio = double(at14.width()) / atTemplateSize.width();
    EXPECT_GT(ratio, 1.55);
    EXPECT_LT(ratio, 1.95);
    std::printf("[ desktop font ] 8 pt: %d x %d, 14 pt: %d x %d (%.2f x)\n", atTemplateSize.width(),
                atTemplateSize.height(), at14.width(), at14.height(), ratio);
}

TEST(DialogUnits, ScaleWithTheFont) {
    QFont small = TemplateFont(8, 0, false);
    QFont large = TemplateFont(16, 0, false);
    const DialogBaseUnits a = DialogBaseUnits::Of(small);
    const DialogBaseUnits b = DialogBaseUnits::Of(large);
    EXPECT_GT(b.width, a.width);
    EXPECT_GT(b.height, a.height);
    EXPECT_EQ(a.ToPixelsX(4), a.width);
    EXPECT_EQ(a.ToPixelsY(8), a.height);
}

}  // namespace
