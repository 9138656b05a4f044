// SPDX-License-Identifier: MIT
#include "statement_box.h"

#include "focus_frame.h"
#include "statement_accessible.h"

#include <QEvent>

StatementBox::StatementBox(const QString &text, QWidget *parent)
    : QPlainTextEdit(text, parent)
{
    static const bool accessibleInstalled =
        (QAccessible::installFactory(StatementAccessible::create), true);
    Q_UNUSED(accessibleInstalled);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

bool StatementBox::event(QEvent *event)
{
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint)
        paintFocusFrame(this);
    return handled;
}
