#include "framework/qt/control_factory.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "framework/core/icon.h"
#include "framework/qt/dialog_style.h"
#include "framework/qt/qt_icon.h"
#include "framework/resources/captions.h"

namespace {

using namespace template_style;

// A toggle whose state the dialog manager changes when it is clicked: Qt's own toggling is left
// out, so that every click toggles once, by mouse, touch or key.
template <class Button>
class ManagedToggle : public Button {
public:
    using Button::Button;

protected:
    void nextCheckState() override {}
};

QString Text(const DialogControl& control) {
    return QString::fromStdString(control.title.text);
}

BuiltControl BuildButton(const DialogControl& control, QWidget* parent) {
    const std::uint32_t type = control.style & ButtonType;
    if (!control.IsToggle()) {
        auto* button = new QPushButton(Text(control), parent);
        // The dialog manager decides what Enter presses: a focused push button, or else the
        // default one. So it is drawn, as on Windows: a push button takes the default frame
        // while it has the focus, and the default button gets it back when the focus leaves.
        button->setAutoDefault(true);
        button->setDefault(control.IsDefaultButton());
        return {button, ControlKind::PushButton};
    }
    if (control.style & PushLike) {
        // The style draws a checked push button sunken, with the text as readable as ever; a
        // flat one (BS_FLAT) would show no edge at all while released, so it keeps its bevel.
        auto* button = new ManagedToggle<QPushButton>(Text(control), parent);
        button->setCheckable(true);
        button->setAutoDefault(false);
        return {button, ControlKind::Toggle};
    }
    if (type == RadioButton || type == AutoRadioButton) {
        return {new ManagedToggle<QRadioButton>(Text(control), parent), ControlKind::Toggle};
    }
    return {new ManagedToggle<QCheckBox>(Text(control), parent), ControlKind::Toggle};
}

BuiltControl BuildEdit(const DialogControl& control, QWidget* parent) {
    auto* edit = new QLineEdit(Text(control), parent);
    // A box the user cannot type into shows on the window's face (the dialog style draws it so,
    // in whatever palette comes); its text can still be selected and copied.
    edit->setReadOnly((control.style & EditReadOnly) != 0);
    if (control.style & EditRight) {
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else if (control.style & EditCenter) {
        edit->setAlignment(Qt::AlignCenter);
    }
    edit->setTextMargins(1, 0, 1, 0);
    return {edit, ControlKind::Edit};
}

BuiltControl BuildStatic(const DialogControl& control, QWidget* parent) {
    const std::uint32_t type = control.style & StaticType;
    if (type == StaticEtchedHorizontal || type == StaticEtchedVertical) {
        auto* line = new QFrame(parent);
        line->setFrameShape(type == StaticEtchedHorizontal ? QFrame::HLine : QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        return {line, ControlKind::Static};
    }
    auto* label = new QLabel(parent);
    if (type == StaticIcon) {
        const HICON icon = control.title.ordinal ? AfxLoadIcon(*control.title.ordinal) : nullptr;
        label->setPixmap(PixmapFromIcon(icon));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return {label, ControlKind::Static};
    }
    label->setText(QString::fromStdString(ShownText(control.title.text, control.style)));
    label->setTextFormat(Qt::PlainText);
    const Qt::Alignment horizontal = type == StaticCenter  ? Qt::AlignHCenter
                                     : type == StaticRight ? Qt::AlignRight
                                                           : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setWordWrap(type == 0 || type == StaticCenter || type == StaticRight);
    return {label, ControlKind::Static};
}

BuiltControl BuildComboBox(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    return {combo, ControlKind::ComboBox};
}

}  // namespace

void PlaceControl(const DialogControl& control, const BuiltControl& built,
                  const DialogBaseUnits& units, QPoint offset) {
    QRect geometry = units.ToPixels(control.x, control.y, control.cx, control.cy);
    if (built.kind == ControlKind::ComboBox) {
        // The template's height includes the dropped-down list; closed, the box is as high as
        // its font needs, and the list shows as many entries as the rest of the height holds.
        auto* combo = static_cast<QComboBox*>(built.widget);
        const int closed = combo->sizeHint().height();
        const int entry = combo->fontMetrics().height() + 2;
        combo->setMaxVisibleItems(std::max(1, (geometry.height() - closed) / entry));
        geometry.setHeight(closed);
    }
    built.widget->setGeometry(geometry.translated(offset));
}

BuiltControl BuildControl(const DialogControl& control, QWidget* parent,
                          const DialogBaseUnits& units) {
    BuiltControl built{nullptr, ControlKind::Static};
    if (control.IsClass(ControlClass::Button)) {
        built = BuildButton(control, parent);
    } else if (control.IsClass(ControlClass::Edit)) {
        built = BuildEdit(control, parent);
    } else if (control.IsClass(ControlClass::ComboBox)) {
        built = BuildComboBox(parent);
    } else {
        built = BuildStatic(control, parent);
    }
    PlaceControl(control, built, units);
    built.widget->setProperty(kControlIdProperty, control.id);
    built.widget->setFocusPolicy(control.IsTabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    if (built.kind == ControlKind::Static) {
        built.widget->setFocusPolicy(Qt::NoFocus);
    }
    if (built.kind == ControlKind::PushButton || built.kind == ControlKind::Toggle ||
        built.kind == ControlKind::Edit) {
        built.widget->setStyle(&DialogStyle::Instance());
    }
    built.widget->setEnabled(!(control.style & Disabled));
    built.widget->setVisible(control.style & Visible);
    return built;
}
