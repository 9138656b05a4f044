#pragma once

#include <QListView>

class ItemListModel;

/// A single-selection list view that keeps its selection in step with the
/// ListIndex of the ItemList behind @p model: a user's selection sets
/// ListIndex, and a change of ListIndex made by the program shows at once.
class ItemListView : public QListView
{
    Q_OBJECT

public:
    ItemListView(ItemListModel *model, QWidget *parent);

    /// The selected row as the view shows it, -1 for none.
    [[nodiscard]] int selectedRow() const;

protected:
    bool event(QEvent *event) override;

protected slots:
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    void showListIndex();
    void takeUserSelection();

    ItemListModel *const m_model;
    bool m_showing = false;
};
