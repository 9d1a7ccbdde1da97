#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/window_commands.h"
#include "framework/qt/title_bar_rules.h"

// Most compositors draw each window's title bar; a Wayland compositor without server-side
// decorations (GNOME's mutter, Weston) leaves it to the program, and Qt's stand-in offers
// minimize and maximize on every window, a dialog that cannot be resized included. There a
// dialog gets a title bar of its own, with the buttons that its window has and no others.

// Whether the session's compositor leaves title bars to the programs. Asked once.
bool CompositorLeavesTitleBars();

// Makes `window` frameless and gives it a title bar (icon, title, a button for each of its
// window `commands`, which a click hands to `send`) and an edge; dragging the bar moves the window.
// The window's contents move down and right to make room: a window laid out by a layout through its
// margins, one whose children are placed by hand by moving them. Call it before the window is first
// shown.
void AddOwnTitleBar(QWidget& window, const std::vector<WindowCommand>& commands,
                    std::function<void(UINT)> send);

// Fits `window`'s own title bar, if it has one, to the window's font as it is now; returns the
// room that the bar and the edge take (none without a bar). A window that places its contents by
// hand places them that much down and right.
QMargins RefitOwnTitleBar(QWidget& window);

// Puts the title bars' buttons where the desktop's button layout says, in every window.
void SetTitleBarButtonLayout(const std::string& layout);
