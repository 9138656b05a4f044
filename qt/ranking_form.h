// SPDX-License-Identifier: MIT
#pragma once

#include "item_list_model.h"

#include <ranking/ranking_board.h>

#include <QWidget>

#include <array>

class CommandButton;
class ItemListView;
class Announcement;
class StatementBox;

/// The exercise's only window: the speaker counts, the languages and the
/// ranking with their column labels, the three command buttons and the
/// exercise statement. It owns the ranking board; the lists it shows are views
/// of the board's lists.
class RankingForm : public QWidget
{
    Q_OBJECT

public:
    explicit RankingForm(QWidget *parent = nullptr);

    [[nodiscard]] const ranking::RankingBoard &board() const { return m_board; }

public slots:
    /// Runs the operation of command button @p index; any other index does nothing.
    void commandClicked(int index);

private:
    void createLabels();
    void createLists();
    void createButtons();
    void createStatement();
    void chainTabOrder();
    void load();
    [[nodiscard]] ItemListModel &modelOf(ranking::ListRole role);
    [[nodiscard]] ItemListView *listView(ranking::ListRole role) const;

    ranking::RankingBoard m_board;
    // Declared after the board so that they stop observing it before it goes.
    // The sort buffer is never shown, so it has no model and no view.
    std::array<ItemListModel, 3> m_models;

    Announcement *const m_announcement;

    StatementBox *m_statement = nullptr;
};
