// The keyboard of a dialog on Qt: every key goes to the dialog manager before the focused
// control sees it; the window menu is Qt's own.
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "framework/qt/qt_dialog_keys.h"
#include "framework/qt/qt_dialog_window.h"

bool QtDialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto stroke = DialogKeyStrokeOf(*static_cast<QKeyEvent*>(event));
    if (!stroke) {
        return false;
    }
    if (manager().PressKey(*stroke)) {
        return true;
    }
    // In a text box Shift+F10 opens the box's own edit menu, as the Menu key does (Qt turns only
    // the Menu key into a request for it).
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != nullptr && *stroke == KeyStroke{DialogKey::F10, true}) {
        const QPoint at = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at, box->mapToGlobal(at));
        QApplication::sendEvent(box, &request);
        return true;
    }
    return false;
}

void QtDialogWindow::closeEvent(QCloseEvent* event) {
    // The close box is a system command; the dialog decides whether the window ends.
    event->ignore();
    // A compositor knows nothing of the program's modal boxes and may send its close request
    // (Alt+F4, its window menu) to a window that a box blocks: the innermost box closes, as
    // with Escape, and this window stays.
    QWidget* box = QApplication::activeModalWidget();
    if (box != nullptr && box != this) {
        box->close();
        return;
    }
    SendSysCommand(SC_CLOSE);
}

void QtDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    ExecWindowMenu(event->globalPos());
}

void QtDialogWindow::OpenWindowMenu() {
    ExecWindowMenu(mapToGlobal(QPoint(0, 0)));
}

void QtDialogWindow::ExecWindowMenu(const QPoint& position) {
    if (!HasSystemMenu()) {
        return;
    }
    if (const QAction* chosen = windowMenu_.exec(position)) {
        SendSysCommand(chosen->data().toUInt());
    }
}
