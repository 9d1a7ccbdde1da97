// The keyboard of a dialog on Qt: every key goes to the dialog manager before the focused
// control sees it; the window menu is Qt's own.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <optional>

#include "framework/qt/qt_dialog_window.h"

namespace {

std::optional<DialogKey> DialogKeyOf(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return DialogKey::Tab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return DialogKey::Enter;
        case Qt::Key_Space:
            return DialogKey::Space;
        case Qt::Key_Escape:
            return DialogKey::Escape;
        case Qt::Key_F1:
            return DialogKey::F1;
        case Qt::Key_F4:
            return DialogKey::F4;
        case Qt::Key_F10:
            return DialogKey::F10;
        case Qt::Key_Menu:
            return DialogKey::ContextMenu;
        default:
            return std::nullopt;
    }
}

}  // namespace

bool QtDialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* press = static_cast<QKeyEvent*>(event);
    const auto key = DialogKeyOf(press->key());
    if (!key) {
        return false;
    }
    const Qt::KeyboardModifiers modifiers = press->modifiers();
    // Qt reports Shift+Tab as Backtab, with or without the Shift modifier.
    const bool shift = (modifiers & Qt::ShiftModifier) || press->key() == Qt::Key_Backtab;
    return manager().PressKey(
        {*key, shift, (modifiers & Qt::AltModifier) != 0, (modifiers & Qt::ControlModifier) != 0});
}

void QtDialogWindow::closeEvent(QCloseEvent* event) {
    // The close box is a system command; the dialog decides whether the window ends.
    event->ignore();
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
