#include "framework/qt/read_only_box_accessible.h"

ReadOnlyBoxAccessible::ReadOnlyBoxAccessible(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

QAccessibleInterface* ReadOnlyBoxAccessible::Create(const QString&, QObject* object) {
    auto* box = qobject_cast<QLineEdit*>(object);
    return box != nullptr && box->isReadOnly() ? new ReadOnlyBoxAccessible(box) : nullptr;
}

QAccessible::State ReadOnlyBoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.selectableText = true;
    return state;
}

QString ReadOnlyBoxAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value) {
        return box()->text();
    }
    return QAccessibleWidget::text(kind);
}

void* ReadOnlyBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void ReadOnlyBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && box()->hasSelectedText()) {
        *startOffset = box()->selectionStart();
        *endOffset = box()->selectionEnd();
    }
}

int ReadOnlyBoxAccessible::selectionCount() const {
    return box()->hasSelectedText() ? 1 : 0;
}

void ReadOnlyBoxAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void ReadOnlyBoxAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        box()->deselect();
    }
}

void ReadOnlyBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
}

int ReadOnlyBoxAccessible::cursorPosition() const {
    return box()->cursorPosition();
}

void ReadOnlyBoxAccessible::setCursorPosition(int position) {
    box()->setCursorPosition(position);
}

QString ReadOnlyBoxAccessible::text(int startOffset, int endOffset) const {
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyBoxAccessible::characterCount() const {
    return static_cast<int>(box()->text().size());
}

QRect ReadOnlyBoxAccessible::characterRect(int offset) const {
    const QFontMetrics metrics = box()->fontMetrics();
    const QString before = box()->text().left(offset);
    const QRect contents = box()->contentsRect();
    const int x = contents.left() + metrics.horizontalAdvance(before);
    const int width = metrics.horizontalAdvance(box()->text().mid(offset, 1));
    return QRect(box()->mapToGlobal(QPoint(x, contents.top())), QSize(width, contents.height()));
}

int ReadOnlyBoxAccessible::offsetAtPoint(const QPoint& point) const {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void ReadOnlyBoxAccessible::scrollToSubstring(int startIndex, int) {
    box()->setCursorPosition(startIndex);
}

QString ReadOnlyBoxAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = std::max(offset, characterCount());
    return {};
}
