// SPDX-License-Identifier: MIT
#pragma once

#include <ranking/item_list_observer.h>

#include <QAbstractListModel>

namespace ranking {
class ItemList;
}

/// Shows one ItemList to Qt's item views. The ItemList stays the only copy of
/// the items: this model reads from it and turns its change reports into the
/// item model's signals.
class ItemListModel : public QAbstractListModel, private ranking::ItemListObserver
{
    Q_OBJECT

public:
    /// Observes @p list until destroyed; @p list must outlive the model.
    explicit ItemListModel(ranking::ItemList &list, QObject *parent = nullptr);
    ~ItemListModel() override;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;

    [[nodiscard]] const ranking::ItemList &list() const { return m_list; }
    [[nodiscard]] int listIndex() const;
    void setListIndex(int row);

    /// True between the two reports of one change, while rows are being moved.
    [[nodiscard]] bool isChanging() const { return m_changing; }

signals:
    void selectedRowChanged(int row);

private:
    void ItemAboutToBeInserted(int index) override;
    void ItemInserted(int index) override;
    void ItemAboutToBeRemoved(int index) override;
    void ItemRemoved(int index) override;
    void AboutToBeCleared() override;
    void Cleared() override;
    void ListIndexChanged(int listIndex) override;

    ranking::ItemList &m_list;
    bool m_changing = false;
};
