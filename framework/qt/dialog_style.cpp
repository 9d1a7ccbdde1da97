#include "framework/qt/dialog_style.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "framework/qt/contrast.h"

namespace {

constexpr double kStateContrast = 3.0;  // WCAG 2.1, non-text contrast
constexpr double kTextContrast = 4.5;

// The colours of a pressed toggle: face and text.
void PressToggle(QPalette& palette) {
    const QColor face = palette.color(QPalette::Button);
    const QColor text = palette.color(QPalette::ButtonText);
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor highlightedText = palette.color(QPalette::HighlightedText);
    const bool highlightReads = ContrastRatio(highlight, face) >= kStateContrast &&
                                ContrastRatio(highlightedText, highlight) >= kTextContrast;
    palette.setColor(QPalette::Button, highlightReads ? highlight : text);
    palette.setColor(QPalette::ButtonText, highlightReads ? highlightedText : face);
}

// The first of `candidates` that stands out from every colour of `grounds` by 3:1, or else the
// last candidate.
QColor StandingOut(std::initializer_list<QColor> candidates,
                   std::initializer_list<QColor> grounds) {
    for (const QColor& candidate : candidates) {
        if (std::all_of(grounds.begin(), grounds.end(), [&](const QColor& ground) {
                return ContrastRatio(candidate, ground) >= kStateContrast;
            })) {
            return candidate;
        }
    }
    return *std::prev(candidates.end());
}

// A text box's frame: the edge, and the focus outline inside it while it has the focus.
void DrawTextBoxFrame(const QStyleOption& option, QPainter& painter) {
    const QPalette& palette = option.palette;
    const QColor face = palette.color(QPalette::Window);
    const QColor ground = palette.color(QPalette::Base);
    const QColor edge =
        StandingOut({palette.color(QPalette::Shadow), palette.color(QPalette::WindowText)}, {face});
    const QRect frame = option.rect.adjusted(0, 0, -1, -1);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    if (option.state & QStyle::State_HasFocus) {
        const QColor focus = StandingOut(
            {palette.color(QPalette::Highlight), palette.color(QPalette::Text)}, {face, ground});
        painter.setPen(QPen(focus, 1));
        painter.drawRect(frame);
        painter.drawRect(frame.adjusted(1, 1, -1, -1));
    } else {
        const bool readOnly = (option.state & QStyle::State_ReadOnly) != 0;
        painter.setPen(QPen(edge, 1, readOnly ? Qt::DashLine : Qt::SolidLine));
        painter.drawRect(frame);
    }
    painter.restore();
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
    if (shown.state & State_HasFocus) {
        painter->save();
        painter->setPen(QPen(shown.palette.color(QPalette::ButtonText), 1, Qt::DotLine));
        painter->drawRect(shown.rect.adjusted(4, 4, -5, -5));
        painter->restore();
    }
}

void DialogStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameLineEdit) {
        DrawTextBoxFrame(*option, *painter);
        return;
    }
    if (element == PE_PanelLineEdit) {
        const bool readOnly = (option->state & State_ReadOnly) != 0;
        painter->fillRect(option->rect,
                          option->palette.brush(readOnly ? QPalette::Window : QPalette::Base));
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (frame != nullptr && frame->lineWidth > 0) {
            DrawTextBoxFrame(*option, *painter);
        }
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
