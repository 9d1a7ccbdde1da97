#pragma once

#include <QWidget>

// Keeps the keyboard with a modal box on a compositor that gives it to another window. A Wayland
// compositor gives the keyboard to whichever window the user clicks, a program cannot refuse
// it, and Qt drops the keys of a window that a modal box blocks: a click on the calculator while
// the About box or the notice is open would lose every key until the user found the box. While
// it lives, every key that the dialog manager gives a dialog (Escape, Enter on either keyboard,
// Tab, Shift+Tab, Space, F1, Alt+F4, Shift+F10, the Menu key) reaches the box wherever the
// keyboard is: as shortcuts of the whole program, which Qt offers before it drops a blocked
// window's keys, handed on to the box's focused control, and the box is raised.
class ModalBoxKeys {
public:
    explicit ModalBoxKeys(QWidget& box);
};
