#include "item_list_view.h"

#include "focus_frame.h"
#include "item_list_model.h"

#include <QEvent>
#include <QScopedValueRollback>

ItemListView::ItemListView(ItemListModel *model, QWidget *parent)
    : QListView(parent)
    , m_model(model)
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);

    connect(m_model, &ItemListModel::selectedRowChanged, this, &ItemListView::showListIndex);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ItemListView::takeUserSelection);
    showListIndex();
}

int ItemListView::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool ItemListView::event(QEvent *event)
{
    const bool handled = QListView::event(event);
    if (event->type() == QEvent::Paint)
        paintFocusFrame(this);
    return handled;
}

void ItemListView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    // A single-selection view would select the neighbour of a removed current
    // item. The list leaves nothing selected then, so only the cursor moves to
    // the neighbour, and no passing selection is shown or announced.
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() >= start && current.row() <= end) {
        const int neighbour = end + 1 < model()->rowCount(parent) ? end + 1 : start - 1;
        const QModelIndex next =
            neighbour >= 0 ? model()->index(neighbour, 0, parent) : QModelIndex();
        selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
    }
    QListView::rowsAboutToBeRemoved(parent, start, end);
}

void ItemListView::showListIndex()
{
    const int row = m_model->listIndex();
    if (row == selectedRow())
        return;
    const QScopedValueRollback guard(m_showing, true);
    if (row < 0) {
        selectionModel()->clearSelection();
    } else {
        const QModelIndex index = m_model->index(row);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    }
}

void ItemListView::takeUserSelection()
{
    // Qt adjusts the selection itself while rows come and go; the list has its
    // own rules for that and reports the outcome once the change is done.
    if (m_showing || m_model->isChanging())
        return;
    const int row = selectedRow();
    if (row != m_model->listIndex())
        m_model->setListIndex(row);
}
