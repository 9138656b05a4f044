// SPDX-License-Identifier: MIT
#include "item_list_model.h"

#include <ranking/item_list.h>

ItemListModel::ItemListModel(ranking::ItemList &list, QObject *parent)
    : QAbstractListModel(parent)
    , m_list(list)
{
    m_list.SetObserver(this);
}

ItemListModel::~ItemListModel()
{
    m_list.SetObserver(nullptr);
}

int ItemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.ListCount();
}

QVariant ItemListModel::data(const QModelIndex &index, int role) const
{
    // Views ask about invalid indexes as a matter of course (copying from an
    // empty list does), so such a question gets an empty answer, not a warning.
    if (!index.isValid() || index.model() != this || index.row() >= m_list.ListCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    return QString::fromStdString(m_list.List(index.row()));
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

int ItemListModel::listIndex() const
{
    return m_list.ListIndex();
}

void ItemListModel::setListIndex(int row)
{
    m_list.SetListIndex(row);
}

void ItemListModel::ItemAboutToBeInserted(int index)
{
    m_changing = true;
    beginInsertRows({}, index, index);
}

void ItemListModel::ItemInserted(int)
{
    endInsertRows();
    m_changing = false;
}

void ItemListModel::ItemAboutToBeRemoved(int index)
{
    m_changing = true;
    beginRemoveRows({}, index, index);
}

void ItemListModel::ItemRemoved(int)
{
    endRemoveRows();
    m_changing = false;
}

void ItemListModel::AboutToBeCleared()
{
    m_changing = true;
    beginResetModel();
}

void ItemListModel::Cleared()
{
    endResetModel();
    m_changing = false;
}

void ItemListModel::ListIndexChanged(int listIndex)
{
    emit selectedRowChanged(listIndex);
}
