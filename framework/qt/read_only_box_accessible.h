#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>
#include <QLineEdit>

// What a screen reader is told of a read-only edit box (ES_READONLY): a text whose value can be
// read, selected and copied, but not edited. Qt reports every line edit as editable.
class ReadOnlyBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyBoxAccessible(QLineEdit* box);

    // The factory to install with QAccessible::installFactory: read-only line edits only.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};
