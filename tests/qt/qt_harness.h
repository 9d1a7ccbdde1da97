#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <functional>

#include "framework/core/app.h"
#include "framework/core/dialog.h"
#include "framework/qt/qt_dialog_window.h"
#include "framework/qt/qt_window_system.h"

// Runs dialogs modally on the Qt window system while a test plays the user's part. A dialog that
// is still open after 10 s fails the test and is closed, so nothing hangs.
class QtDialogTest : public ::testing::Test {
protected:
    using Steps = std::function<void(QtDialogWindow&)>;

    // Runs `dialog` modally; `steps` runs once its window is up. Returns what DoModal returned.
    INT_PTR Run(CDialog& dialog, Steps steps);

    // Runs the application's start-up, which opens its main window; `steps` runs once that
    // window is up. Returns what InitInstance returned.
    BOOL RunApplication(CWinApp& app, Steps steps);

    // Plays `steps` in the next dialog that opens on top of the current one.
    void WhenNextDialogOpens(Steps steps);

    // Clicks OK on the next message box and returns its text through `text`.
    void DismissNextMessageBox(QString* text);
    // Plays `steps` in the next message box, then clicks its OK.
    void WhileNextMessageBoxIsOpen(std::function<void(QMessageBox&)> steps);

    // Closes the next menu that pops up with Escape, and says through `opened` that it did.
    void CloseNextMenu(bool* opened);

    // The innermost running dialog.
    QtDialogWindow& Top() { return *windows.TopDialog(); }

    static QLineEdit* Edit(QtDialogWindow& window, int id);
    static QString Text(QtDialogWindow& window, int id);
    static QWidget* Focused();

    QtWindowSystem windows;
    ScopedWindowSystem shown{windows};

private:
    // Runs `modalRun` with `steps` played in the first dialog it opens, under a watchdog.
    INT_PTR Watched(const std::function<INT_PTR()>& modalRun, Steps steps);
};
