#pragma once

#include <QColor>
#include <QPalette>
#include <string>
#include <vector>

#include "framework/core/window_commands.h"

// What a title bar of the program's own shows, decided apart from drawing it: which buttons
// stand where, and in which colours.

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
