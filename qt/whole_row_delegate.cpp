// SPDX-License-Identifier: MIT
#include "whole_row_delegate.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

constexpr int markWidth = 2;

double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor &first, const QColor &second)
{
    const double lighter = std::max(luminance(first), luminance(second));
    const double darker = std::min(luminance(first), luminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}

// Of the theme's text colours, black and white, the one that stands out most
// from the list's background and from the row as it is drawn with the focus
// and without.
QColor markColour(const QPalette &palette, bool selected)
{
    QList<QColor> under{palette.color(QPalette::Active, QPalette::Base),
                        palette.color(QPalette::Inactive, QPalette::Base)};
    if (selected)
        under << palette.color(QPalette::Active, QPalette::Highlight)
              << palette.color(QPalette::Inactive, QPalette::Highlight);
    const auto weakest = [&under](const QColor &mark) {
        double lowest = 21;
        for (const QColor &colour : under)
            lowest = std::min(lowest, contrast(mark, colour));
        return lowest;
    };
    QColor best;
    for (const QColor &candidate :
         {palette.color(QPalette::Text), palette.color(QPalette::HighlightedText),
          QColor(Qt::black), QColor(Qt::white)}) {
        if (!best.isValid() || weakest(candidate) > weakest(best))
            best = candidate;
    }
    return best;
}

} // namespace

QSize WholeRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_rowHeight > 0)
        size.setHeight(m_rowHeight);
    return size;
}

void WholeRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    // The style's own mark of the current item is too faint to find.
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!option.state.testFlag(QStyle::State_HasFocus))
        return;
    QPen pen(markColour(option.palette, option.state.testFlag(QStyle::State_Selected)), markWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->save();
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}
