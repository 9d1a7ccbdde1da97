#include "framework/qt/modal_box_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

#include "framework/qt/qt_dialog_keys.h"

namespace {

// Hands a key to `box`'s focused control as if it had been typed there, with the box's own
// shortcuts off meanwhile: Qt offers a key sent to a widget to the shortcuts first.
void PressIn(QWidget& box, QKeyCombination key) {
    const QList<QShortcut*> shortcuts = box.findChildren<QShortcut*>(Qt::FindDirectChildrenOnly);
    for (QShortcut* shortcut : shortcuts) {
        shortcut->setEnabled(false);
    }
    QWidget* target = box.focusWidget() != nullptr ? box.focusWidget() : &box;
    QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers());
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key.key(), key.keyboardModifiers());
    QApplication::sendEvent(target, &release);
    for (QShortcut* shortcut : shortcuts) {
        shortcut->setEnabled(true);
    }
}

}  // namespace

ModalBoxKeys::ModalBoxKeys(QWidget& box) {
    for (const KeyStroke& stroke : DialogManager::KeysAnyDialogTakes()) {
        for (const QKeyCombination key : QtKeysOf(stroke)) {
            // The shortcuts live as children of the box, and go with it.
            auto* shortcut = new QShortcut(QKeySequence(key), &box);
            shortcut->setContext(Qt::ApplicationShortcut);
            shortcut->setAutoRepeat(stroke.key != DialogKey::F4);
            QObject::connect(shortcut, &QShortcut::activated, &box, [&box, stroke, key] {
                // Alt+F4 is the system command Close, which a box takes as a close request
                // (the notice has no dialog manager to tell it so).
                if (stroke.key == DialogKey::F4) {
                    box.close();
                } else {
                    PressIn(box, key);
                }
                if (box.isVisible() && QApplication::activeWindow() != box.window()) {
                    box.raise();
                    box.activateWindow();
                }
            });
        }
    }
}
