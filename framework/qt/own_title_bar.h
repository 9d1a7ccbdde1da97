#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <functional>
#include <string>
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

// Fits `window`'s own title bar, if it has one, to the window's font as it is now; returns the
// room that the bar and the edge take (none without a bar). A window that places its contents by
// hand places them that much down and right.
QMargins RefitOwnTitleBar(QWidget& window);

// Puts the title bars' buttons where the desktop's button layout says, in every window.
void SetTitleBarButtonLayout(const std::string& layout);

// The title-bar buttons of a window with `commands` under the desktop's button `layout` (GNOME's
// "button-layout", as "close,minimize:" or "appmenu:close"): the buttons at the bar's start and
// at its end, each side in its reading order. A layout names the buttons that show; where the
// desktop gives none, all the window's commands stand at the end.
struct TitleBarButtons {
    std::vector<UINT> start;
    std::vector<UINT> end;
};
TitleBarButtons ArrangeTitleBarButtons(const std::string& layout,
                                       const std::vector<WindowCommand>& commands);

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
