#pragma once

#include <QProxyStyle>

// The desktop's style with two things a dialog needs to read at a glance, whatever the palette:
// - the focused default button shows its focus (many styles draw the default frame and the
//   focus the same way), as a rectangle inside the frame;
// - a pressed toggle differs from a released one by at least 3:1: it is drawn in the
//   palette's highlight where that stands out enough from the button face, and inverted (the
//   text colour as its face) where it does not.
class DialogStyle : public QProxyStyle {
public:
    // The one style of all dialog controls, made on first use.
    static DialogStyle& Instance();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
