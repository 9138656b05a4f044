// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class QPlainTextEdit;

/// What assistive technology sees of the statement box: its text to read,
/// select and move through, and no way to change it. The interface Qt gives a
/// plain text edit lets a screen reader insert and delete text even in a
/// read-only box, so this one offers no editable-text interface at all. Lines
/// are the lines on screen, as the box lays them out.
class StatementAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit StatementAccessible(QPlainTextEdit *edit);

    /// The accessibility factory that gives every StatementBox this interface.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    [[nodiscard]] void *interface_cast(QAccessible::InterfaceType type) override;
    [[nodiscard]] QAccessible::State state() const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int *startOffset, int *endOffset) const override;
    [[nodiscard]] QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int *startOffset, int *endOffset) const override;
    [[nodiscard]] QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int *startOffset, int *endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    [[nodiscard]] QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    [[nodiscard]] QPlainTextEdit *edit() const;
    [[nodiscard]] QTextCursor cursorAt(int position) const;
    [[nodiscard]] QPair<int, int> lineAround(int offset) const;
    [[nodiscard]] QString lineText(QPair<int, int> line, int *startOffset, int *endOffset) const;
    void select(int startOffset, int endOffset);
};
