// The dialog manager's keyboard and the window menu, as users know them from Windows dialogs.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <algorithm>

#include "framework/qt/qt_dialog_window.h"

void QtDialogWindow::PressDefaultButton() {
    const QWidget* button = Control(defaultButton_);
    if (button == nullptr || button->isEnabled()) {
        dialog_.SendCommand(defaultButton_);
    }
}

void QtDialogWindow::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        QWidget* focused = focusWidget();
        const auto found = std::find_if(controls_.begin(), controls_.end(), [&](const auto& entry) {
            return entry.second.widget == focused && entry.second.kind == ControlKind::PushButton;
        });
        if (found != controls_.end()) {
            dialog_.SendCommand(found->first);
        } else {
            PressDefaultButton();
        }
    } else if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        dialog_.SendCommand(IDCANCEL);
    } else if (key == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        dialog_.SendCommand(ID_HELP);
    } else if (key == Qt::Key_F4 && modifiers == Qt::AltModifier) {
        SendSysCommand(SC_CLOSE);
    } else if ((key == Qt::Key_F10 && modifiers == Qt::ShiftModifier) || key == Qt::Key_Menu) {
        OpenWindowMenu(mapToGlobal(QPoint(0, 0)));
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void QtDialogWindow::closeEvent(QCloseEvent* event) {
    // The close box is a system command; the dialog decides whether the window ends.
    event->ignore();
    SendSysCommand(SC_CLOSE);
}

void QtDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    OpenWindowMenu(event->globalPos());
}

void QtDialogWindow::OpenWindowMenu(const QPoint& position) {
    if (!hasSystemMenu_) {
        return;
    }
    if (const QAction* chosen = windowMenu_.exec(position)) {
        SendSysCommand(chosen->data().toUInt());
    }
}
