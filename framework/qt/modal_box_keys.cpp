#include "framework/qt/modal_box_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

namespace {

// Hands a key to `box`'s focused control as if it had been typed there, with the box's own
// shortcuts off meanwhile: Qt offers a key sent to a widget to the shortcuts first.
void PressIn(QWidget& box, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    const QList<QShortcut*> shortcuts = box.findChildren<QShortcut*>(Qt::FindDirectChildrenOnly);
    for (QShortcut* shortcut : shortcuts) {
        shortcut->setEnabled(false);
    }
    QWidget* target = box.focusWidget() != nullptr ? box.focusWidget() : &box;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
    for (QShortcut* shortcut : shortcuts) {
        shortcut->setEnabled(true);
    }
}

}  // namespace

ModalBoxKeys::ModalBoxKeys(QWidget& box) {
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Key keys[] = {
        {Qt::Key_Escape, Qt::NoModifier},     {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Enter, Qt::KeypadModifier},  {Qt::Key_Tab, Qt::NoModifier},
        {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_F1, Qt::NoModifier},
    };
    for (const Key& key : keys) {
        // The shortcuts live as children of the box, and go with it.
        auto* shortcut = new QShortcut(QKeySequence(key.key | key.modifiers), &box);
        shortcut->setContext(Qt::ApplicationShortcut);
        shortcut->setAutoRepeat(true);
        QObject::connect(shortcut, &QShortcut::activated, &box, [&box, key] {
            PressIn(box, key.key, key.modifiers);
            if (box.isVisible() && QApplication::activeWindow() != box.window()) {
                box.raise();
                box.activateWindow();
            }
        });
    }
}
