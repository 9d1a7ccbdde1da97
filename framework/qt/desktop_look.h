#pragma once

#include <QPalette>

#include "framework/qt/desktop_settings.h"

// The palette that the desktop's settings ask for: `light` (the platform's own) unless the
// desktop prefers dark or high contrast. High contrast keeps the polarity the desktop chose, as
// GTK's HighContrast and HighContrastInverse themes do.
QPalette PaletteFor(const DesktopSettings& settings, const QPalette& light);

// Whether Qt's platform theme sets a palette of the user's choice (qt6ct's, KDE's), which wins
// over the desktop's settings.
bool PlatformThemeSetsPalette();

// Follows the desktop's settings while the program runs: the palette (unless the user chose one
// through a Qt platform theme, such as qt6ct), the font scaled by the desktop's text scale, and
// the title bars' buttons. Call it once, before the first window.
void FollowDesktopLook();
