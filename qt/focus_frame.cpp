// SPDX-License-Identifier: MIT
#include "focus_frame.h"

#include <QFrame>
#include <QPainter>

void paintFocusFrame(QFrame *frame)
{
    if (!frame->hasFocus())
        return;
    QPainter painter(frame);
    QPen pen(frame->palette().color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    // The viewport covers whatever of the line falls inside the frame.
    painter.drawRect(QRectF(frame->rect()).adjusted(1, 1, -1, -1));
}
