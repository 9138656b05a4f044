// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

/// Draws list items as usual, with two differences: every row has one fixed
/// height when one is set (the view picks it so that whole rows fill its
/// height), and the current item of a list with the keyboard focus is marked
/// by a line around it that stands out from the row, selected or not.
class WholeRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    /// Sets the height of every row; 0 returns to the style's own height.
    void setRowHeight(int height) { m_rowHeight = height; }
    [[nodiscard]] int rowHeight() const { return m_rowHeight; }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    int m_rowHeight = 0;
};
