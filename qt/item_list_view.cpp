// SPDX-License-Identifier: MIT
#include "item_list_view.h"

#include "focus_frame.h"
#include "item_list_model.h"
#include "whole_row_delegate.h"

#include <form/form_description.h>
#include <form/list_in_view.h>

#include <QAccessible>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <algorithm>

namespace {

// The keys that move the keyboard cursor through a list: arrows, Home, End,
// a page up or down, or the first letter or digit of an item.
bool isNavigationKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return !event.text().isEmpty() && event.text().front().isLetterOrNumber();
    }
}

} // namespace

ItemListView::ItemListView(ItemListModel *model, QWidget *parent)
    : QListView(parent)
    , m_model(model)
    , m_delegate(new WholeRowDelegate(this))
{
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    // Scrolling by whole rows keeps the top row whole as well.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

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

void ItemListView::focusInEvent(QFocusEvent *event)
{
    // The keyboard cursor starts on the selected item, or else on the top row
    // in view (Qt would take the first row, which may be scrolled away). A
    // click places it itself, on the item clicked.
    if (event->reason() != Qt::MouseFocusReason && !currentIndex().isValid()) {
        const int selected = selectedRow();
        const QModelIndex start = selected >= 0 ? m_model->index(selected) : indexAt(QPoint(0, 0));
        if (start.isValid())
            selectionModel()->setCurrentIndex(start, QItemSelectionModel::NoUpdate);
    }
    QListView::focusInEvent(event);
    // Qt reports the list itself as focused once this handler is done, after
    // the item that the cursor was placed on; a screen reader would then
    // speak the list alone. A click reports the item clicked after the list.
    const bool byMouse = event->reason() == Qt::MouseFocusReason;
    QMetaObject::invokeMethod(
        this, [this, byMouse] { reportEntry(byMouse); }, Qt::QueuedConnection);
}

void ItemListView::reportEntry(bool byMouse)
{
    if (!hasFocus())
        return;
    if (m_model->rowCount() == 0) {
        emit enteredEmpty();
        return;
    }
    const QModelIndex current = currentIndex();
    if (byMouse || !current.isValid())
        return;
    if (QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(current.row());
        QAccessible::updateAccessibility(&focus);
    }
    if (!selectionModel()->isSelected(current))
        emit enteredUnselected();
}

void ItemListView::keyPressEvent(QKeyEvent *event)
{
    QListView::keyPressEvent(event);
    // Qt selects only an item the key moves to; a list box selects the
    // current item on every navigation key, at an edge too.
    const QModelIndex current = currentIndex();
    if (isNavigationKey(*event) && current.isValid() && !selectionModel()->isSelected(current))
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
}

void ItemListView::bringIntoView(const form::ListInView &view)
{
    // The rows of a change just made are laid out when the view next paints.
    executeDelayedItemsLayout();
    const int rowHeight = model()->rowCount() > 0 ? sizeHintForRow(0) : 0;
    const int visibleRows = rowHeight > 0 ? std::max(1, viewport()->height() / rowHeight) : 1;
    // Scrolling by whole rows: the scroll bar counts rows.
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(form::TopRowAfter(view, bar->value(), visibleRows));
}

void ItemListView::focusOutEvent(QFocusEvent *event)
{
    if (currentIndex().isValid())
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    QListView::focusOutEvent(event);
}

void ItemListView::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    fitRowsToHeight();
}

void ItemListView::fitRowsToHeight()
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("0");
    const int natural =
        style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
    const int rowHeight = form::WholeRowHeight(natural, viewport()->height());
    if (rowHeight == m_delegate->rowHeight())
        return;
    m_delegate->setRowHeight(rowHeight);
    scheduleDelayedItemsLayout();
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
    const QModelIndex index = row < 0 ? QModelIndex() : m_model->index(row);
    if (row != selectedRow()) {
        const QScopedValueRollback guard(m_showing, true);
        if (!index.isValid())
            selectionModel()->clearSelection();
        else if (hasFocus())
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        else
            selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    }
    // Rows coming and going around the selected item can push it out of view.
    if (index.isValid())
        scrollTo(index);
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
