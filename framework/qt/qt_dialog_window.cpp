// Building a dialog's window from its template, placing it and running it.
#include "framework/qt/qt_dialog_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "framework/core/accessible_names.h"
#include "framework/qt/own_title_bar.h"

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
      ManagedDialogWindow(dialog, dialogTemplate) {
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
                    [this, id] { manager().ClickButton(id); });
        }
    }
    installEventFilter(this);
    NameForScreenReaders(dialogTemplate, widgets);
    BuildWindowMenu(dialogTemplate);
    if (CompositorLeavesTitleBars()) {
        TitleBarActions actions;
        if (dialogTemplate.style & MinimizeBox) {
            actions.minimize = [this] { SendSysCommand(SC_MINIMIZE); };
        }
        if (HasSystemMenu()) {
            actions.close = [this] { SendSysCommand(SC_CLOSE); };
        }
        AddOwnTitleBar(*this, std::move(actions));
    }
}

void QtDialogWindow::NameForScreenReaders(const DialogTemplate& dialogTemplate,
                                          const std::vector<QWidget*>& widgets) {
    for (const AccessibleControl& control : AccessibleControlsOf(dialogTemplate)) {
        QWidget* widget = widgets[control.index];
        if (!control.description.empty()) {
            widget->setAccessibleDescription(QString::fromStdString(control.description));
        }
        if (!control.name.empty()) {
            widget->setAccessibleName(QString::fromStdString(control.name));
        }
        // The caption's "label for" relation is how a screen reader names a list.
        if (auto* label =
                control.caption ? qobject_cast<QLabel*>(widgets[*control.caption]) : nullptr) {
            label->setBuddy(widget);
        }
    }
}

void QtDialogWindow::BuildWindowMenu(const DialogTemplate& dialogTemplate) {
    if (dialogTemplate.style & MinimizeBox) {
        windowMenu_.addAction(tr("Minimize"))->setData(SC_MINIMIZE);
    }
    if (HasSystemMenu()) {
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
    Initialize();
    if (endResult()) {
        return *endResult();
    }
    return exec();
}

void QtDialogWindow::SendSysCommand(UINT id) {
    dialog().SendMessage(WM_SYSCOMMAND, id);
}
