#include "tests/qt/qt_harness.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kWatchdogMilliseconds = 10000;

// Calls `action` once `ready` holds, looking again every few milliseconds.
void WhenReady(std::function<bool()> ready, std::function<void()> action, int triesLeft = 500) {
    QTimer::singleShot(10, [ready, action, triesLeft] {
        if (ready()) {
            action();
        } else if (triesLeft > 0) {
            WhenReady(ready, action, triesLeft - 1);
        }
    });
}

}  // namespace

INT_PTR QtDialogTest::Run(CDialog& dialog, Steps steps) {
    return Watched([&dialog] { return dialog.DoModal(); }, std::move(steps));
}

BOOL QtDialogTest::RunApplication(CWinApp& app, Steps steps) {
    return static_cast<BOOL>(Watched([&app] { return app.InitInstance(); }, std::move(steps)));
}

INT_PTR QtDialogTest::Watched(const std::function<INT_PTR()>& modalRun, Steps steps) {
    WhenNextDialogOpens(std::move(steps));
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [this] {
        ADD_FAILURE() << "a dialog was still open after the test's steps";
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* box = qobject_cast<QDialog*>(modal)) {
                box->done(-1);
            }
            QApplication::processEvents();
        }
    });
    watchdog.start(kWatchdogMilliseconds);
    return modalRun();
}

void QtDialogTest::WhenNextDialogOpens(Steps steps) {
    QtDialogWindow* current = windows.TopDialog();
    WhenReady([this, current] { return windows.TopDialog() != current && Top().isVisible(); },
              [this, steps] {
                  QtDialogWindow& window = Top();
                  window.activateWindow();
                  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
                  steps(window);
              });
}

void QtDialogTest::DismissNextMessageBox(QString* text) {
    WhileNextMessageBoxIsOpen([text](QMessageBox& box) { *text = box.text(); });
}

void QtDialogTest::WhileNextMessageBoxIsOpen(std::function<void(QMessageBox&)> steps) {
    WhenReady(
        [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
        [steps] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            steps(*box);
            box->accept();
        });
}

void QtDialogTest::CloseNextMenu(bool* opened) {
    WhenReady([] { return QApplication::activePopupWidget() != nullptr; },
              [opened] {
                  *opened = true;
                  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
              });
}

QLineEdit* QtDialogTest::Edit(QtDialogWindow& window, int id) {
    return qobject_cast<QLineEdit*>(window.Control(id));
}

QString QtDialogTest::Text(QtDialogWindow& window, int id) {
    return QString::fromStdString(window.GetItemText(id));
}

QWidget* QtDialogTest::Focused() {
    return QApplication::focusWidget();
}
