// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>

class ItemListModel;
class WholeRowDelegate;

namespace form {
struct ListInView;
}

/// A single-selection list view that keeps its selection in step with the
/// ListIndex of the ItemList behind @p model: a user's selection sets
/// ListIndex, and a change of ListIndex made by the program shows at once.
///
/// Only while the view has the keyboard focus does it have a current item
/// (the keyboard cursor), so that assistive technology never hears of a
/// focused item in a list without focus. On entering the list, assistive
/// technology hears of the list and then of its current item, and whether it
/// is not selected. Every navigation key leaves the current item selected,
/// also one that does not move it. Its rows are sized so that whole rows fill
/// its height.
class ItemListView : public QListView
{
    Q_OBJECT

public:
    ItemListView(ItemListModel *model, QWidget *parent);

    /// The selected row as the view shows it, -1 for none.
    [[nodiscard]] int selectedRow() const;

    /// Scrolls the list as @p view decides, by whole rows.
    void bringIntoView(const form::ListInView &view);

signals:
    /// The focus came to the list while it has no items.
    void enteredEmpty();
    /// The focus came to the list by the keyboard, onto a current item that
    /// is not selected.
    void enteredUnselected();

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
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
