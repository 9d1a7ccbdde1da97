#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <functional>
#include <vector>

#include "framework/core/window_commands.h"

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

// How a title bar's button shows: at rest, under the pointer, or pressed.
enum class TitleButtonState { Normal, Hovered, Pressed };

// A title bar button's ground and glyph in one state, at least 3:1 apart in any palette: at rest
// the bar's ground; under the pointer the palette's highlight where its text reads on it, or
// else inverted, as a pressed button always is.
struct TitleButtonColours {
    QColor ground;
    QColor glyph;
};
TitleButtonColours TitleButtonColoursFor(const QPalette& palette, bool active,
                                         TitleButtonState state);

// The title's colour: the palette's text, or in an inactive window its fainter text, darkened
// or lightened towards the text where it would stand out from the bar by less than 3:1.
QColor TitleColourFor(const QPalette& palette, bool active);
