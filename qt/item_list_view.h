// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>

class ItemListModel;
class WholeRowDelegate;

/// A single-selection list view that keeps its selection in step with the
/// ListIndex of the ItemList behind @p model: a user's selection sets
/// ListIndex, and a change of ListIndex made by the program shows at once.
///
/// Only while the view has the keyboard focus does it have a current item
/// (the keyboard cursor), so that assistive technology never hears of a
/// focused item in a list without focus. On entering the list, assistive
/// technology hears of the list and then of its current item. Its rows are sized so that whole
/// rows fill its height.
class ItemListView : public QListView
{
    Q_OBJECT

public:
    ItemListView(ItemListModel *model, QWidget *parent);

    /// The selected row as the view shows it, -1 for none.
    [[nodiscard]] int selectedRow() const;

signals:
    /// The focus came to the list while it has no items.
    void enteredEmpty();

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

protected slots:
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    void showListIndex();
    void takeUserSelection();
    void fitRowsToHeight();
    void reportEntry(bool byMouse);

    ItemListModel *const m_model;
    WholeRowDelegate *const m_delegate;
    bool m_showing = false;
};
