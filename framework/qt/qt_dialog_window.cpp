// Building a dialog's window from its template, placing it and running it.
#include "framework/qt/qt_dialog_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "framework/core/resource_module.h"
#include "framework/resources/captions.h"

namespace {

using template_style::MinimizeBox;
using template_style::SysMenu;

Qt::WindowFlags FlagsFor(const DialogTemplate& dialogTemplate, bool owned) {
    // An owned dialog stays over its owner; one without an owner has its own task-bar entry.
    Qt::WindowFlags flags =
        (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialogTemplate.style & SysMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (dialogTemplate.style & MinimizeBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    return flags;
}

}  // namespace

QtDialogWindow::QtDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate,
                               QWidget* owner)
    : QDialog(owner, FlagsFor(dialogTemplate, owner != nullptr)),
      dialog_(dialog),
      manager_(dialog, *this, dialogTemplate),
      hasSystemMenu_(dialogTemplate.style & SysMenu) {
    setWindowTitle(QString::fromStdString(dialogTemplate.caption));
    setFont(TemplateFont(dialogTemplate.pointSize, dialogTemplate.weight, dialogTemplate.italic));
    const DialogBaseUnits units = DialogBaseUnits::Of(font());
    setFixedSize(units.ToPixelsX(dialogTemplate.cx), units.ToPixelsY(dialogTemplate.cy));

    std::vector<QWidget*> widgets;  // template order
    for (const DialogControl& control : dialogTemplate.controls) {
        const BuiltControl built = BuildControl(control, this, units);
        widgets.push_back(built.widget);
        if (control.id != -1) {
            controls_.emplace(control.id, built);
        }
        built.widget->installEventFilter(this);
        if (auto* button = qobject_cast<QAbstractButton*>(built.widget)) {
            const int id = control.id;
            connect(button, &QAbstractButton::clicked, this,
                    [this, id] { manager_.ClickButton(id); });
        }
    }
    installEventFilter(this);
    NameBoxesAfterTheirCaptions(dialogTemplate, widgets);
    BuildWindowMenu(dialogTemplate);
}

QtDialogWindow::~QtDialogWindow() {
    dialog_.DetachWindow();
}

void QtDialogWindow::NameBoxesAfterTheirCaptions(const DialogTemplate& dialogTemplate,
                                                 const std::vector<QWidget*>& widgets) {
    // A screen reader names a box after its caption: through the name, and through the
    // caption's "label for" relation, which is how it names a list. The program's strings say
    // more about a control, where its name alone would not tell two apart.
    const auto& controls = dialogTemplate.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const DialogControl& control = controls[i];
        if (const auto description = DescriptionOf(control)) {
            widgets[i]->setAccessibleDescription(QString::fromStdString(*description));
        }
        if (!control.IsClass(ControlClass::Edit) && !control.IsClass(ControlClass::ComboBox)) {
            continue;
        }
        if (const DialogControl* caption = CaptionControlOf(dialogTemplate, control)) {
            const auto index = static_cast<std::size_t>(caption - controls.data());
            widgets[i]->setAccessibleName(
                QString::fromStdString(CaptionOf(dialogTemplate, control)));
            if (auto* label = qobject_cast<QLabel*>(widgets[index])) {
                label->setBuddy(widgets[i]);
            }
        }
    }
}

void QtDialogWindow::BuildWindowMenu(const DialogTemplate& dialogTemplate) {
    if (dialogTemplate.style & MinimizeBox) {
        windowMenu_.addAction(tr("Minimize"))->setData(SC_MINIMIZE);
    }
    if (hasSystemMenu_) {
        windowMenu_.addAction(tr("Close"))->setData(SC_CLOSE);
    }
}

QWidget* QtDialogWindow::Control(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? found->second.widget : nullptr;
}

QPoint QtDialogWindow::CentredFramePosition() const {
    const QWidget* owner = parentWidget();
    const QRect area = owner != nullptr      ? owner->frameGeometry()
                       : screen() != nullptr ? screen()->availableGeometry()
                                             : QRect();
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(area.center());
    return frame.topLeft();
}

void QtDialogWindow::PlaceOnScreen() {
    move(CentredFramePosition());
}

void QtDialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnceFramed(20);
}

void QtDialogWindow::CentreOnceFramed(int triesLeft) {
    // Until the window manager has framed the window, its frame is the client area alone; it
    // frames the window a moment after it shows, and then the window is centred again, frame
    // and all. Without a window manager no frame ever comes.
    QTimer::singleShot(50, this, [this, triesLeft] {
        if (frameGeometry().size() != size()) {
            PlaceOnScreen();
        } else if (triesLeft > 0) {
            CentreOnceFramed(triesLeft - 1);
        }
    });
}

int QtDialogWindow::RunModal() {
    PlaceOnScreen();
    if (dialog_.InitializeWindow(*this)) {
        manager_.SetInitialFocus();
    }
    if (endResult_) {
        return *endResult_;
    }
    return exec();
}

void QtDialogWindow::SendSysCommand(UINT id) {
    dialog_.SendMessage(WM_SYSCOMMAND, id);
}

void QtDialogWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter_ = &painter;
    dialog_.SendMessage(WM_PAINT);
    painter_ = nullptr;
}
