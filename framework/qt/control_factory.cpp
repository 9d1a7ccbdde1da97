#include "framework/qt/control_factory.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "framework/icon.h"
#include "framework/qt/qt_icon.h"

namespace {

constexpr std::uint32_t kTabStop = 0x00010000;
constexpr std::uint32_t kDisabled = 0x08000000;
constexpr std::uint32_t kVisible = 0x10000000;

constexpr std::uint32_t kButtonType = 0x0F;
constexpr std::uint32_t kDefPushButton = 0x01;
constexpr std::uint32_t kCheckBox = 0x02;
constexpr std::uint32_t kAutoCheckBox = 0x03;
constexpr std::uint32_t kAuto3State = 0x06;
constexpr std::uint32_t kRadioButton = 0x04;
constexpr std::uint32_t kAutoRadioButton = 0x09;
constexpr std::uint32_t kPushLike = 0x1000;
constexpr std::uint32_t kFlat = 0x8000;

constexpr std::uint32_t kEditCenter = 0x0001;
constexpr std::uint32_t kEditRight = 0x0002;
constexpr std::uint32_t kEditReadOnly = 0x0800;

constexpr std::uint32_t kStaticType = 0x1F;
constexpr std::uint32_t kStaticCenter = 0x01;
constexpr std::uint32_t kStaticRight = 0x02;
constexpr std::uint32_t kStaticIcon = 0x03;
constexpr std::uint32_t kStaticEtchedHorizontal = 0x10;
constexpr std::uint32_t kStaticEtchedVertical = 0x11;
constexpr std::uint32_t kStaticNoPrefix = 0x80;

QString Text(const DialogControl& control) {
    return QString::fromStdString(control.title.text);
}

// A flat push-like toggle: a thin frame that looks pressed while checked.
constexpr char kFlatToggleStyle[] =
    "QPushButton { border: 1px solid palette(dark); background: palette(button); padding: 0; }"
    "QPushButton:checked { background: palette(dark); color: palette(bright-text); }";

BuiltControl BuildButton(const DialogControl& control, QWidget* parent) {
    const std::uint32_t type = control.style & kButtonType;
    const bool toggle = type == kCheckBox || type == kAutoCheckBox || type == kAuto3State ||
                        type == kRadioButton || type == kAutoRadioButton;
    if (!toggle) {
        auto* button = new QPushButton(Text(control), parent);
        // The dialog manager below decides what Enter presses, not Qt's default buttons.
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setProperty("defaultButton", type == kDefPushButton);
        return {button, ControlKind::PushButton};
    }
    if (control.style & kPushLike) {
        auto* button = new QPushButton(Text(control), parent);
        button->setCheckable(true);
        button->setAutoDefault(false);
        if (control.style & kFlat) {
            button->setStyleSheet(kFlatToggleStyle);
        }
        return {button, ControlKind::Toggle};
    }
    if (type == kRadioButton || type == kAutoRadioButton) {
        return {new QRadioButton(Text(control), parent), ControlKind::Toggle};
    }
    return {new QCheckBox(Text(control), parent), ControlKind::Toggle};
}

BuiltControl BuildEdit(const DialogControl& control, QWidget* parent) {
    auto* edit = new QLineEdit(Text(control), parent);
    edit->setReadOnly(control.style & kEditReadOnly);
    if (control.style & kEditRight) {
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else if (control.style & kEditCenter) {
        edit->setAlignment(Qt::AlignCenter);
    }
    edit->setTextMargins(1, 0, 1, 0);
    return {edit, ControlKind::Edit};
}

BuiltControl BuildStatic(const DialogControl& control, QWidget* parent) {
    const std::uint32_t type = control.style & kStaticType;
    if (type == kStaticEtchedHorizontal || type == kStaticEtchedVertical) {
        auto* line = new QFrame(parent);
        line->setFrameShape(type == kStaticEtchedHorizontal ? QFrame::HLine : QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        return {line, ControlKind::Static};
    }
    auto* label = new QLabel(parent);
    if (type == kStaticIcon) {
        const HICON icon = control.title.ordinal ? AfxLoadIcon(*control.title.ordinal) : nullptr;
        label->setPixmap(PixmapFromIcon(icon));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return {label, ControlKind::Static};
    }
    label->setText(StaticText(control.title.text, control.style));
    label->setTextFormat(Qt::PlainText);
    const Qt::Alignment horizontal = type == kStaticCenter  ? Qt::AlignHCenter
                                     : type == kStaticRight ? Qt::AlignRight
                                                            : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setWordWrap(type == 0 || type == kStaticCenter || type == kStaticRight);
    return {label, ControlKind::Static};
}

BuiltControl BuildComboBox(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    return {combo, ControlKind::ComboBox};
}

}  // namespace

QString StaticText(const std::string& text, std::uint32_t style) {
    const QString raw = QString::fromStdString(text);
    if (style & kStaticNoPrefix) {
        return raw;
    }
    QString shown;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'&' && i + 1 < raw.size()) {
            ++i;
        }
        shown += raw[i];
    }
    return shown;
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
    built.widget->setGeometry(geometry);
    built.widget->setProperty(kControlIdProperty, control.id);
    built.widget->setFocusPolicy(control.style & kTabStop ? Qt::StrongFocus : Qt::ClickFocus);
    if (built.kind == ControlKind::Static) {
        built.widget->setFocusPolicy(Qt::NoFocus);
    }
    built.widget->setEnabled(!(control.style & kDisabled));
    built.widget->setVisible(control.style & kVisible);
    return built;
}
