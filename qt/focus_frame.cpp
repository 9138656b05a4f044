// SPDX-License-Identifier: MIT
#include "focus_frame.h"

#include "form_values.h"

#include <QFrame>
#include <QPainter>

namespace {

constexpr int lineWidth = 2;
const QColor shadow(128, 128, 128);
const QColor light(255, 255, 255);

void paintSunken(QPainter &painter, const QRect &rect)
{
    painter.fillRect(rect.left(), rect.top(), rect.width(), lineWidth, shadow);
    painter.fillRect(rect.left(), rect.top(), lineWidth, rect.height(), shadow);
    painter.fillRect(rect.left() + 1, rect.bottom() - 1, rect.width() - 1, lineWidth, light);
    painter.fillRect(rect.right() - 1, rect.top() + 1, lineWidth, rect.height() - 1, light);
}

} // namespace

void paintFocusFrame(QFrame *frame)
{
    QPainter painter(frame);
    const QRect rect = frame->rect();
    if (!frame->hasFocus()) {
        paintSunken(painter, rect);
        return;
    }
    QPen pen(colourOf(form::textOnFixedColour), lineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    // The viewport covers whatever of the line falls inside the frame.
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
}
