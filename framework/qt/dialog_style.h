#pragma once

#include <QProxyStyle>

// The desktop's style with what a dialog needs to read at a glance, whatever the palette (light,
// dark or high contrast):
// - a focused button shows its focus as a dotted rectangle inside its frame, in its text's
//   colour (many styles draw the default frame and the focus the same way);
// - a pressed toggle differs from a released one by at least 3:1: it is drawn in the
//   palette's highlight where that stands out enough from the button face, and inverted (the
//   text colour as its face) where it does not;
// - a read-only text box shows on the window's face, as on Windows;
// - a text box has an edge that stands out from the window's face by at least 3:1, solid where
//   the user can type and dashed where the box is read-only, and a focused box a two-pixel
//   outline that stands out by 3:1 from the face and from the box.
class DialogStyle : public QProxyStyle {
public:
    // The one style of all dialog controls, made on first use.
    static DialogStyle& Instance();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
