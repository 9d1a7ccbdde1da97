#pragma once

class QWidget;
class QWindow;

// GNOME's own shell protocol (gtk_shell1), which GTK speaks for its dialogs and Qt 6.4 does not:
// GNOME opens a window marked modal over the window it belongs to. Elsewhere nothing changes.

// Marks `window`, a box that belongs to another window, as modal where the compositor offers
// gtk_shell1. The window's toplevel must exist and its first frame not be drawn yet: the
// compositor places a window as its first frame comes.
void MarkModalForGnome(QWindow& window);

// Marks `box`, a window that belongs to another and is not shown yet, as modal for GNOME when it
// shows, before its first frame.
void MarkModalForGnomeWhenShown(QWidget& box);
