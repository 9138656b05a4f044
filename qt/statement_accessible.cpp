// SPDX-License-Identifier: MIT
#include "statement_accessible.h"

#include "statement_box.h"

#include <QFontMetrics>
#include <QPlainTextEdit>

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
