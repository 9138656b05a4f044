// SPDX-License-Identifier: MIT
#include "whole_row_delegate.h"

QSize WholeRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_rowHeight > 0)
        size.setHeight(m_rowHeight);
    return size;
}
