#include "framework/qt/dialog_style.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>

namespace {

// WCAG's relative luminance of a colour, and the contrast ratio of two.
double Luminance(const QColor& colour) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double kStateContrast = 3.0;  // WCAG 2.1, non-text contrast
constexpr double kTextContrast = 4.5;

// The colours of a pressed toggle: face and text.
void PressToggle(QPalette& palette) {
    const QColor face = palette.color(QPalette::Button);
    const QColor text = palette.color(QPalette::ButtonText);
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor highlightedText = palette.color(QPalette::HighlightedText);
    const bool highlightReads = Contrast(highlight, face) >= kStateContrast &&
                                Contrast(highlightedText, highlight) >= kTextContrast;
    palette.setColor(QPalette::Button, highlightReads ? highlight : text);
    palette.setColor(QPalette::ButtonText, highlightReads ? highlightedText : face);
}

}  // namespace

DialogStyle& DialogStyle::Instance() {
    static auto* style = new DialogStyle;
    return *style;
}

void DialogStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButton || button == nullptr) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton shown(*button);
    if (shown.state & State_On) {
        PressToggle(shown.palette);
    }
    QProxyStyle::drawControl(element, &shown, painter, widget);
    if ((shown.state & State_HasFocus) && (shown.features & QStyleOptionButton::DefaultButton)) {
        painter->save();
        painter->setPen(QPen(shown.palette.color(QPalette::ButtonText), 1, Qt::DotLine));
        painter->drawRect(shown.rect.adjusted(4, 4, -5, -5));
        painter->restore();
    }
}
