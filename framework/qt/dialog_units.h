#pragma once

#include <QFont>
#include <QRect>
#include <functional>

class QObject;

// The dialog base units of a font as Windows computes them: the average width of the 52
// letters A-Z and a-z, and the font's height, in pixels. A horizontal dialog unit is a quarter
// of the width, a vertical one an eighth of the height.
struct DialogBaseUnits {
    int width;
    int height;

    static DialogBaseUnits Of(const QFont& font);

    // A rectangle given in dialog units, in pixels.
    QRect ToPixels(int x, int y, int cx, int cy) const;
    int ToPixelsX(int x) const;
    int ToPixelsY(int y) const;
};

// The font a dialog template asks for: the desktop's sans face (templates name Windows faces
// that Linux does not have) at the template's point size, or at the desktop's where the
// desktop's general font is larger.
QFont TemplateFont(int pointSize, int weight, bool italic);

// Calls `react` whenever the application's font changes (the desktop's Large Text, for one),
// for as long as `owner` lives.
void WhenDesktopFontChanges(QObject& owner, std::function<void()> react);
