// The window-system side of a Qt dialog: its controls' values, the notice, the window's state.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "framework/qt/gtk_shell.h"
#include "framework/qt/modal_box_keys.h"
#include "framework/qt/own_title_bar.h"
#include "framework/qt/qt_dialog_window.h"
#include "framework/qt/qt_icon.h"
#include "framework/qt/wayland_connection.h"

namespace {

std::string ToStd(const QString& text) {
    return text.toStdString();
}

}  // namespace

std::string QtDialogWindow::GetItemText(int id) const {
    QWidget* widget = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return ToStd(edit->text());
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return ToStd(combo->currentText());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return ToStd(button->text());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return ToStd(label->text());
    }
    return {};
}

void QtDialogWindow::SetItemText(int id, const std::string& text) {
    QWidget* widget = Control(id);
    const QString value = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(value);
        edit->setCursorPosition(0);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(value);
    }
}

int QtDialogWindow::GetCheck(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void QtDialogWindow::SetCheck(int id, int state) {
    if (auto* button = qobject_cast<QAbstractButton*>(Control(id));
        button && button->isCheckable()) {
        button->setChecked(state == BST_CHECKED);
    }
}

int QtDialogWindow::ListCount(int id) const {
    return qobject_cast<QComboBox*>(Control(id))->count();
}

int QtDialogWindow::ListSelection(int id) const {
    return qobject_cast<QComboBox*>(Control(id))->currentIndex();
}

void QtDialogWindow::SelectListEntry(int id, int index) {
    qobject_cast<QComboBox*>(Control(id))->setCurrentIndex(index);
}

void QtDialogWindow::AppendListEntry(int id, const std::string& text) {
    // Qt would select the first entry of an empty list.
    auto* combo = qobject_cast<QComboBox*>(Control(id));
    const int selected = combo->currentIndex();
    combo->addItem(QString::fromStdString(text));
    combo->setCurrentIndex(selected);
}

void QtDialogWindow::ClearList(int id) {
    qobject_cast<QComboBox*>(Control(id))->clear();
}

int QtDialogWindow::GetFocusedItem() const {
    const QWidget* focused = focusWidget();
    for (const auto& [id, control] : controls_) {
        if (control.widget == focused) {
            return id;
        }
    }
    return 0;
}

void QtDialogWindow::FocusItem(int id, bool selectText) {
    QWidget* widget = Control(id);
    if (widget == nullptr) {
        return;
    }
    // The dialog manager moves the focus as the keyboard does, and the style shows where it is.
    setAttribute(Qt::WA_KeyboardFocusChange);
    widget->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (selectText) {
            edit->selectAll();
        } else {
            edit->deselect();
        }
    }
}

bool QtDialogWindow::IsWholeTextSelected(int id) const {
    const auto* edit = qobject_cast<QLineEdit*>(Control(id));
    return edit != nullptr && edit->selectedText() == edit->text();
}

bool QtDialogWindow::IsItemEnabled(int id) const {
    const QWidget* widget = Control(id);
    return widget != nullptr && widget->isEnabled();
}

bool QtDialogWindow::IsItemVisible(int id) const {
    const QWidget* widget = Control(id);
    return widget != nullptr && !widget->isHidden();
}

void QtDialogWindow::ShowNotice(const std::string& text) {
    QMessageBox notice(QMessageBox::Warning, windowTitle(), QString::fromStdString(text),
                       QMessageBox::Ok, this);
    const ModalBoxKeys keys(notice);
    if (CompositorLeavesTitleBars()) {
        AddOwnTitleBar(notice, WindowCommandsOf(kNoticeStyle, true),
                       [&notice](UINT) { notice.close(); });
    }
    MarkModalForGnomeWhenShown(notice);
    notice.exec();
    activateWindow();
}

void QtDialogWindow::EndDialog(int result) {
    ManagedDialogWindow::EndDialog(result);
    done(result);
}

void QtDialogWindow::AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) {
    if (flags & MF_SEPARATOR) {
        windowMenu_.addSeparator();
    } else {
        windowMenu_.addAction(QString::fromStdString(text))->setData(static_cast<uint>(id));
    }
}

void QtDialogWindow::SetIcon(HICON icon, WPARAM) {
    setWindowIcon(QIcon(PixmapFromIcon(icon)));
}

void QtDialogWindow::Minimize() {
    if (!OnWayland()) {
        showMinimized();
        return;
    }
    MinimizeOnceSettled(kSettlingRounds);
}

void QtDialogWindow::MinimizeOnceSettled(int roundsLeft) {
    // Qt on Wayland asks the compositor to activate the window whenever the keyboard comes back
    // to it, as when the window menu closes: it asks for a token and sends the request when the
    // token comes. Sent after the window is minimised, that request would bring the window back
    // or make it ask for attention. Qt 6.4 reports neither step, so the window waits until the
    // exchange has run its course: in each round Qt handles what has come in (a zero timer runs
    // once the queued events are done), and the compositor answers everything sent so far.
    // Each answer may make Qt ask again (the keyboard's return makes it ask for a token, the
    // token makes it ask for activation), hence the rounds.
    QTimer::singleShot(0, this, [this, roundsLeft] {
        WaitForCompositor();
        if (roundsLeft > 1) {
            MinimizeOnceSettled(roundsLeft - 1);
        } else {
            showMinimized();
        }
    });
}
