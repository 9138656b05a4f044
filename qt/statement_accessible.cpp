// SPDX-License-Identifier: MIT
#include "statement_accessible.h"

#include "statement_box.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>

StatementAccessible::StatementAccessible(QPlainTextEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{}

QAccessibleInterface *StatementAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String(StatementBox::staticMetaObject.className()))
        return new StatementAccessible(static_cast<QPlainTextEdit *>(object));
    return nullptr;
}

void *StatementAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State StatementAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QPlainTextEdit *StatementAccessible::edit() const
{
    return static_cast<QPlainTextEdit *>(widget());
}

QTextCursor StatementAccessible::cursorAt(int position) const
{
    QTextCursor cursor(edit()->document());
    cursor.setPosition(std::clamp(position, 0, characterCount()));
    return cursor;
}

void StatementAccessible::select(int startOffset, int endOffset)
{
    QTextCursor cursor = cursorAt(startOffset);
    cursor.setPosition(std::clamp(endOffset, 0, characterCount()), QTextCursor::KeepAnchor);
    edit()->setTextCursor(cursor);
}

void StatementAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = edit()->textCursor();
    if (selectionIndex == 0 && cursor.hasSelection()) {
        *startOffset = cursor.selectionStart();
        *endOffset = cursor.selectionEnd();
    }
}

int StatementAccessible::selectionCount() const
{
    return edit()->textCursor().hasSelection() ? 1 : 0;
}

void StatementAccessible::addSelection(int startOffset, int endOffset)
{
    select(startOffset, endOffset);
}

void StatementAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        setCursorPosition(cursorPosition());
}

void StatementAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        select(startOffset, endOffset);
}

int StatementAccessible::cursorPosition() const
{
    return edit()->textCursor().position();
}

void StatementAccessible::setCursorPosition(int position)
{
    edit()->setTextCursor(cursorAt(position));
}

QString StatementAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return edit()->toPlainText();
    return QAccessibleWidget::text(t);
}

QString StatementAccessible::text(int startOffset, int endOffset) const
{
    return edit()->toPlainText().mid(startOffset, endOffset - startOffset);
}

// A paragraph is laid out only once it has been in view; a line asked of it
// before that would be the whole paragraph.
QPair<int, int> StatementAccessible::lineAround(int offset) const
{
    QTextCursor cursor = cursorAt(offset);
    edit()->document()->documentLayout()->blockBoundingRect(cursor.block());
    return QAccessible::qAccessibleTextBoundaryHelper(cursor, QAccessible::LineBoundary);
}

QString StatementAccessible::lineText(QPair<int, int> line, int *startOffset, int *endOffset) const
{
    *startOffset = line.first;
    *endOffset = line.second;
    return text(line.first, line.second);
}

QString StatementAccessible::textBeforeOffset(int offset,
                                              QAccessible::TextBoundaryType boundaryType,
                                              int *startOffset, int *endOffset) const
{
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset,
                                                          endOffset);
    const QPair<int, int> line = lineAround(offset);
    if (line.first == 0)
        return lineText({0, 0}, startOffset, endOffset);
    return lineText(lineAround(line.first - 1), startOffset, endOffset);
}

QString StatementAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset,
                                                         endOffset);
    const QPair<int, int> line = lineAround(offset);
    if (line.second >= characterCount())
        return lineText({characterCount(), characterCount()}, startOffset, endOffset);
    return lineText(lineAround(line.second), startOffset, endOffset);
}

QString StatementAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int *startOffset, int *endOffset) const
{
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    return lineText(lineAround(offset), startOffset, endOffset);
}

int StatementAccessible::characterCount() const
{
    return edit()->document()->characterCount() - 1;
}

QRect StatementAccessible::characterRect(int offset) const
{
    const QTextCursor cursor = cursorAt(offset);
    QRect rect = edit()->cursorRect(cursor);
    const QChar character = edit()->document()->characterAt(offset);
    rect.setWidth(QFontMetrics(edit()->font()).horizontalAdvance(character));
    return rect.translated(edit()->viewport()->mapToGlobal(QPoint(0, 0)));
}

int StatementAccessible::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = edit()->viewport()->mapFromGlobal(point);
    if (!edit()->viewport()->rect().contains(local))
        return -1;
    return edit()->cursorForPosition(local).position();
}

void StatementAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    select(startIndex, endIndex);
    edit()->ensureCursorVisible();
}

QString StatementAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
