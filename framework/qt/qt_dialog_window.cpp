#include "framework/qt/qt_dialog_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "framework/qt/qt_icon.h"

namespace {

using template_style::MinimizeBox;
using template_style::SysMenu;

constexpr UINT kRestore = 0xF120;

// The notice for a box that does not hold a number.
constexpr char kNumberExpected[] = "Please enter a number.";

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

std::string ToStd(const QString& text) {
    return text.toStdString();
}

}  // namespace

QtDialogWindow::QtDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate,
                               QWidget* owner)
    : QDialog(owner, FlagsFor(dialogTemplate, owner != nullptr)),
      dialog_(dialog),
      hasSystemMenu_(dialogTemplate.style & SysMenu) {
    setWindowTitle(QString::fromStdString(dialogTemplate.caption));
    setFont(TemplateFont(dialogTemplate.pointSize, dialogTemplate.weight, dialogTemplate.italic));
    const DialogBaseUnits units = DialogBaseUnits::Of(font());
    setFixedSize(units.ToPixelsX(dialogTemplate.cx), units.ToPixelsY(dialogTemplate.cy));

    for (const DialogControl& control : dialogTemplate.controls) {
        const BuiltControl built = BuildControl(control, this, units);
        if (control.id != -1) {
            controls_.emplace(control.id, built);
        }
        if (control.IsTabStop() && built.kind != ControlKind::Static) {
            if (!tabStops_.empty()) {
                setTabOrder(tabStops_.back(), built.widget);
            }
            tabStops_.push_back(built.widget);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(built.widget)) {
            const int id = control.id;
            connect(button, &QAbstractButton::clicked, this, [this, id] { SendCommand(id); });
        }
    }
    NameBoxesAfterTheirCaptions(dialogTemplate);

    if (dialogTemplate.style & MinimizeBox) {
        windowMenu_.addAction(tr("Minimize"))->setData(SC_MINIMIZE);
    }
    if (hasSystemMenu_) {
        windowMenu_.addAction(tr("Close"))->setData(SC_CLOSE);
    }
}

QtDialogWindow::~QtDialogWindow() {
    dialog_.DetachWindow();
}

void QtDialogWindow::NameBoxesAfterTheirCaptions(const DialogTemplate& dialogTemplate) {
    // A box is named after the caption on its line, to its left, as the layout shows it.
    for (const DialogControl& box : dialogTemplate.controls) {
        if (!box.IsClass(ControlClass::Edit) && !box.IsClass(ControlClass::ComboBox)) {
            continue;
        }
        const DialogControl* caption = nullptr;
        for (const DialogControl& label : dialogTemplate.controls) {
            const bool isText = label.IsClass(ControlClass::Static) && !label.title.text.empty();
            const bool onTheLine =
                label.y < box.y + std::min(box.cy, 14) && label.y + label.cy > box.y;
            const bool toTheLeft = label.x + label.cx <= box.x + 2;
            if (isText && onTheLine && toTheLeft && (caption == nullptr || label.x > caption->x)) {
                caption = &label;
            }
        }
        QWidget* widget = Control(box.id);
        if (caption != nullptr && widget != nullptr) {
            QString name = StaticText(caption->title.text, caption->style);
            if (name.endsWith(u':')) {
                name.chop(1);
            }
            widget->setAccessibleName(name);
        }
    }
}

QWidget* QtDialogWindow::Control(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? found->second.widget : nullptr;
}

QWidget* QtDialogWindow::FirstTabStop() const {
    for (QWidget* widget : tabStops_) {
        if (widget->isEnabled() && !widget->isHidden()) {
            return widget;
        }
    }
    return nullptr;
}

void QtDialogWindow::PlaceOnScreen(QWidget* owner) {
    const QRect area = owner != nullptr      ? owner->frameGeometry()
                       : screen() != nullptr ? screen()->availableGeometry()
                                             : QRect();
    if (area.isValid()) {
        move(area.center() - rect().center());
    }
}

int QtDialogWindow::RunModal() {
    PlaceOnScreen(parentWidget());
    if (dialog_.InitializeWindow(*this)) {
        if (QWidget* first = FirstTabStop()) {
            first->setFocus(Qt::TabFocusReason);
        }
    }
    if (endResult_) {
        return *endResult_;
    }
    return exec();
}

void QtDialogWindow::SendCommand(int id) {
    dialog_.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED));
}

void QtDialogWindow::SendSysCommand(UINT id) {
    dialog_.SendMessage(WM_SYSCOMMAND, id);
}

void QtDialogWindow::PressDefaultButton() {
    for (const auto& [id, control] : controls_) {
        if (control.widget->property("defaultButton").toBool()) {
            if (control.widget->isEnabled()) {
                SendCommand(id);
            }
            return;
        }
    }
    SendCommand(IDOK);
}

void QtDialogWindow::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        QWidget* focused = focusWidget();
        const auto found = std::find_if(controls_.begin(), controls_.end(), [&](const auto& entry) {
            return entry.second.widget == focused && entry.second.kind == ControlKind::PushButton;
        });
        if (found != controls_.end()) {
            SendCommand(found->first);
        } else {
            PressDefaultButton();
        }
    } else if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        SendCommand(IDCANCEL);
    } else if (key == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        dialog_.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_HELP), 0));
    } else if (key == Qt::Key_F4 && modifiers == Qt::AltModifier) {
        SendSysCommand(SC_CLOSE);
    } else if ((key == Qt::Key_F10 && modifiers == Qt::ShiftModifier) || key == Qt::Key_Menu) {
        OpenWindowMenu(mapToGlobal(QPoint(0, 0)));
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void QtDialogWindow::closeEvent(QCloseEvent* event) {
    // The close box is a system command; the dialog decides whether the window ends.
    event->ignore();
    SendSysCommand(SC_CLOSE);
}

void QtDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    OpenWindowMenu(event->globalPos());
}

void QtDialogWindow::OpenWindowMenu(const QPoint& position) {
    if (!hasSystemMenu_) {
        return;
    }
    if (const QAction* chosen = windowMenu_.exec(position)) {
        SendSysCommand(chosen->data().toUInt());
    }
}

void QtDialogWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter_ = &painter;
    dialog_.SendMessage(WM_PAINT);
    painter_ = nullptr;
}

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
        // A box whose whole text is selected (as after the number notice) stays so, ready for
        // the user to type over.
        const bool allSelected = edit->hasSelectedText() && edit->selectedText() == edit->text();
        edit->setText(value);
        edit->setCursorPosition(0);
        if (allSelected) {
            edit->selectAll();
        }
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

int QtDialogWindow::GetCurSel(int id) const {
    auto* combo = qobject_cast<QComboBox*>(Control(id));
    return combo != nullptr ? combo->currentIndex() : CB_ERR;
}

int QtDialogWindow::SetCurSel(int id, int index) {
    auto* combo = qobject_cast<QComboBox*>(Control(id));
    if (combo == nullptr) {
        return CB_ERR;
    }
    const bool inList = index >= 0 && index < combo->count();
    combo->setCurrentIndex(inList ? index : -1);
    return inList ? index : CB_ERR;
}

void QtDialogWindow::ResetContent(int id) {
    if (auto* combo = qobject_cast<QComboBox*>(Control(id))) {
        combo->clear();
    }
}

int QtDialogWindow::AddString(int id, const std::string& text) {
    auto* combo = qobject_cast<QComboBox*>(Control(id));
    if (combo == nullptr) {
        return CB_ERR;
    }
    // Adding to a list selects nothing: Qt would select the first entry of an empty list.
    const int selected = combo->currentIndex();
    combo->addItem(QString::fromStdString(text));
    combo->setCurrentIndex(selected);
    return combo->count() - 1;
}

void QtDialogWindow::NotifyNumberExpected(int id) {
    QMessageBox notice(QMessageBox::Warning, windowTitle(), QString::fromUtf8(kNumberExpected),
                       QMessageBox::Ok, this);
    notice.exec();
    activateWindow();
    if (QWidget* box = Control(id)) {
        box->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(box)) {
            edit->selectAll();
        }
    }
}

void QtDialogWindow::EndDialog(int result) {
    endResult_ = result;
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

LRESULT QtDialogWindow::HandleByDefault(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_SYSCOMMAND) {
        return 0;
    }
    switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            SendCommand(IDCANCEL);
            break;
        case SC_MINIMIZE:
            showMinimized();
            break;
        case kRestore:
            showNormal();
            break;
        default:
            break;
    }
    return 0;
}

RECT QtDialogWindow::GetClientRect() const {
    return {0, 0, width(), height()};
}

void QtDialogWindow::DrawIcon(WPARAM context, int x, int y, HICON icon) {
    // The context is the painter of the paint event under way, if any.
    if (auto* painter = reinterpret_cast<QPainter*>(context)) {
        painter->drawPixmap(x, y, PixmapFromIcon(icon));
    }
}
