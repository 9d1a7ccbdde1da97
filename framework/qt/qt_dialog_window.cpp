// Building a dialog's window from its template, placing it and running it.
#include "framework/qt/qt_dialog_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScreen>

#include "framework/core/accessible_names.h"
#include "framework/core/resource_module.h"
#include "framework/core/window_commands.h"
#include "framework/qt/gtk_shell.h"
#include "framework/qt/own_title_bar.h"

namespace {

std::vector<WindowCommand> CommandsOf(const DialogTemplate& dialogTemplate) {
    return WindowCommandsOf(dialogTemplate.style, true);
}

// The frame the window manager draws offers the same commands as the window menu.
Qt::WindowFlags FlagsFor(const std::vector<WindowCommand>& commands, bool owned) {
    // An owned dialog stays over its owner; one without an owner has its own task-bar entry.
    Qt::WindowFlags flags =
        (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    for (const WindowCommand& command : commands) {
        flags |= command.id == SC_MINIMIZE ? Qt::WindowMinimizeButtonHint
                                           : Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    return flags;
}

}  // namespace

QtDialogWindow::QtDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate,
                               QWidget* owner)
    : QDialog(owner, FlagsFor(CommandsOf(dialogTemplate), owner != nullptr)),
      ManagedDialogWindow(dialog, dialogTemplate),
      template_(dialogTemplate) {
    setWindowTitle(QString::fromStdString(dialogTemplate.caption));
    setFont(TemplateFont(dialogTemplate.pointSize, dialogTemplate.weight, dialogTemplate.italic));
    const DialogBaseUnits units = DialogBaseUnits::Of(font());
    setFixedSize(units.ToPixelsX(dialogTemplate.cx), units.ToPixelsY(dialogTemplate.cy));

    for (const DialogControl& control : dialogTemplate.controls) {
        const BuiltControl built = BuildControl(control, this, units);
        built_.push_back(built);
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
    std::vector<QWidget*> widgets;
    for (const BuiltControl& built : built_) {
        widgets.push_back(built.widget);
    }
    NameForScreenReaders(dialogTemplate, widgets);
    const std::vector<WindowCommand> commands = CommandsOf(dialogTemplate);
    for (const WindowCommand& command : commands) {
        windowMenu_.addAction(QString::fromStdString(command.text))->setData(command.id);
    }
    if (CompositorLeavesTitleBars()) {
        AddOwnTitleBar(*this, commands, [this](UINT id) { SendSysCommand(id); });
    }
    // The template's font is set on the window, so that a new desktop font reaches it only
    // through the application's font-change event.
    WhenDesktopFontChanges(*this, [this] { FollowDesktopFont(); });
}

void QtDialogWindow::NameForScreenReaders(const DialogTemplate& dialogTemplate,
                                          const std::vector<QWidget*>& widgets) {
    for (const AccessibleControl& control :
         AccessibleControlsOf(dialogTemplate, AfxGetResourceImage())) {
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

void QtDialogWindow::FollowDesktopFont() {
    setFont(TemplateFont(template_.pointSize, template_.weight, template_.italic));
    const DialogBaseUnits units = DialogBaseUnits::Of(font());
    const QMargins frame = RefitOwnTitleBar(*this);
    for (std::size_t index = 0; index < built_.size(); ++index) {
        PlaceControl(template_.controls[index], built_[index], units,
                     QPoint(frame.left(), frame.top()));
    }
    setFixedSize(
        QSize(units.ToPixelsX(template_.cx), units.ToPixelsY(template_.cy)).grownBy(frame));
    if (!centredInFrame_) {
        PlaceOnScreen();
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

void QtDialogWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    // Until the window manager has framed the window, its frame is the client area alone; it
    // frames the window a moment after it shows, which moves the window, and then the window is
    // centred again, frame and all. Without a window manager no frame ever comes.
    if (!centredInFrame_ && isVisible() && frameGeometry().size() != size()) {
        centredInFrame_ = true;
        PlaceOnScreen();
    }
}

int QtDialogWindow::RunModal() {
    if (parentWidget() != nullptr) {
        MarkModalForGnomeWhenShown(*this);
    }
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
