// SPDX-License-Identifier: MIT
#include "item_list_model.h"
#include "item_list_view.h"

#include <ranking/ranking_board.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <random>

using ranking::ItemList;

class ItemListViewTest : public QObject
{
    Q_OBJECT

private slots:
    void modelFollowsEveryOperation();
    void viewShowsSelectionsTheProgramMakes();
    void userSelectionSetsListIndex();
    void selectionStaysOnItemWhenRowsMoveAroundIt();
    void removingSelectedItemLeavesNothingSelected();
    void everyNavigationKeySelectsTheCurrentItem_data();
    void everyNavigationKeySelectsTheCurrentItem();
};

namespace {

QStringList rowsOf(const QAbstractItemModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.index(row, 0).data().toString();
    return rows;
}

// A view of @p model in a shown window, where it has room for its rows.
ItemListView *shownView(QWidget &window, ItemListModel &model)
{
    window.resize(200, 200);
    auto *view = new ItemListView(&model, &window);
    view->setGeometry(0, 0, 150, 150);
    window.show();
    return view;
}

QStringList itemsOf(const ItemList &list)
{
    QStringList items;
    for (const auto &item : list.Items())
        items << QString::fromStdString(item);
    return items;
}

} // namespace

void ItemListViewTest::modelFollowsEveryOperation()
{
    ranking::RankingBoard board;
    ItemListModel speakers(board.SpeakersList());
    ItemListModel ranking(board.RankingList());
    QAbstractItemModelTester speakersTester(&speakers,
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester rankingTester(&ranking,
                                           QAbstractItemModelTester::FailureReportingMode::QtTest);

    std::mt19937 random(7);
    board.DeleteRanking();
    for (int step = 0; step < 300; ++step) {
        auto &list = board.ListOf(static_cast<ranking::ListRole>(step % 3));
        list.SetListIndex(std::uniform_int_distribution(-1, list.ListCount() - 1)(random));
        switch (std::uniform_int_distribution(0, 5)(random)) {
        case 0:
        case 1:
        case 2:
            board.EnterRelation();
            break;
        case 3:
        case 4:
            board.TakeOutRelation();
            break;
        default:
            board.DeleteRanking();
        }
        QCOMPARE(rowsOf(speakers), itemsOf(board.SpeakersList()));
        QCOMPARE(rowsOf(ranking), itemsOf(board.RankingList()));
    }
}

void ItemListViewTest::viewShowsSelectionsTheProgramMakes()
{
    ItemList list(ItemList::Order::Sorted, ItemList::Visibility::Shown, {"100", "200", "300"});
    ItemListModel model(list);
    QWidget window;
    auto *view = new ItemListView(&model, &window);
    QCOMPARE(view->selectedRow(), -1);

    list.SetListIndex(2);
    QCOMPARE(view->selectedRow(), 2);
    QVERIFY2(!view->currentIndex().isValid(), "a view without focus has no keyboard cursor");
    list.SetListIndex(-1);
    QCOMPARE(view->selectedRow(), -1);
    list.SetListIndex(0);
    list.Clear();
    QCOMPARE(view->selectedRow(), -1);
    QCOMPARE(model.rowCount(), 0);
}

void ItemListViewTest::userSelectionSetsListIndex()
{
    ItemList list(ItemList::Order::Sorted, ItemList::Visibility::Shown, {"100", "200", "300"});
    ItemListModel model(list);
    QWidget window;
    ItemListView *view = shownView(window, model);
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(model.index(1)).center());
    QCOMPARE(list.ListIndex(), 1);

    view->setFocus();
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(list.ListIndex(), 2);
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(list.ListIndex(), 0);

    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      view->visualRect(model.index(0)).center());
    QCOMPARE(list.ListIndex(), -1);
}

void ItemListViewTest::selectionStaysOnItemWhenRowsMoveAroundIt()
{
    ItemList list(ItemList::Order::Sorted, ItemList::Visibility::Shown, {"200", "400"});
    ItemListModel model(list);
    QWidget window;
    auto *view = new ItemListView(&model, &window);
    QSignalSpy rowChanges(&model, &ItemListModel::selectedRowChanged);

    list.SetListIndex(0);
    list.AddItem("100");
    QCOMPARE(list.ListIndex(), 1);
    QCOMPARE(view->selectedRow(), 1);
    list.RemoveItem(0);
    QCOMPARE(list.ListIndex(), 0);
    QCOMPARE(view->selectedRow(), 0);
    QCOMPARE(rowChanges.count(), 3);
}

void ItemListViewTest::removingSelectedItemLeavesNothingSelected()
{
    ItemList list(ItemList::Order::Unsorted, ItemList::Visibility::Shown, {"a", "b", "c"});
    ItemListModel model(list);
    QWidget window;
    auto *view = new ItemListView(&model, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    view->setFocus();

    list.SetListIndex(1);
    QSignalSpy selections(view->selectionModel(), &QItemSelectionModel::selectionChanged);
    list.RemoveItem(1);
    QCOMPARE(list.ListIndex(), -1);
    QCOMPARE(view->selectedRow(), -1);
    QCOMPARE(rowsOf(model), QStringList({QStringLiteral("a"), QStringLiteral("c")}));
    for (const auto &signal : selections)
        QVERIFY2(signal.at(0).value<QItemSelection>().isEmpty(),
                 "a neighbour was selected on the way");
    QCOMPARE(view->currentIndex().row(), 1);

    list.SetListIndex(1);
    list.RemoveItem(1);
    QCOMPARE(view->selectedRow(), -1);
    QCOMPARE(view->currentIndex().row(), 0);
}

void ItemListViewTest::everyNavigationKeySelectsTheCurrentItem_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("selected");
    const QStringList counts{QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("300")};
    const QStringList one{QStringLiteral("руски")};
    QTest::newRow("Up on the first") << counts << 0 << QStringLiteral("Up") << 0;
    QTest::newRow("Home on the first") << counts << 0 << QStringLiteral("Home") << 0;
    QTest::newRow("PageUp on the first") << counts << 0 << QStringLiteral("PgUp") << 0;
    QTest::newRow("Down on the last") << counts << 2 << QStringLiteral("Down") << 2;
    QTest::newRow("End on the last") << counts << 2 << QStringLiteral("End") << 2;
    QTest::newRow("PageDown on the last") << counts << 2 << QStringLiteral("PgDown") << 2;
    QTest::newRow("Down in the middle") << counts << 1 << QStringLiteral("Down") << 2;
    QTest::newRow("its own digit") << counts << 1 << QStringLiteral("2") << 1;
    QTest::newRow("a digit no item starts with") << counts << 1 << QStringLiteral("7") << 1;
    for (const QString &key : {QStringLiteral("Down"), QStringLiteral("Up"), QStringLiteral("Home"),
                               QStringLiteral("End"), QStringLiteral("PgDown")})
        QTest::newRow(qPrintable(QStringLiteral("one item, ") + key)) << one << 0 << key << 0;
    QTest::newRow("one item, its letter") << one << 0 << QStringLiteral("р") << 0;
}

// A list box selects the current item on every navigation key, also one that
// leaves the cursor where it is; Qt alone would select nothing.
void ItemListViewTest::everyNavigationKeySelectsTheCurrentItem()
{
    QFETCH(QStringList, items);
    QFETCH(int, current);
    QFETCH(QString, key);
    QFETCH(int, selected);
    std::vector<std::string> entries;
    for (const QString &item : items)
        entries.push_back(item.toStdString());
    ItemList list(ItemList::Order::Unsorted, ItemList::Visibility::Shown, entries);
    ItemListModel model(list);
    QWidget window;
    ItemListView *view = shownView(window, model);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    view->setFocus();
    view->selectionModel()->setCurrentIndex(model.index(current), QItemSelectionModel::NoUpdate);
    QCOMPARE(list.ListIndex(), -1);

    // A letter or a digit is typed; anything else is the name of a key.
    if (key.size() == 1)
        QTest::sendKeyEvent(QTest::Click, view, Qt::Key(key.front().toUpper().unicode()), key,
                            Qt::NoModifier);
    else
        QTest::keyClick(view, QKeySequence(key)[0].key());
    QCOMPARE(list.ListIndex(), selected);
    QCOMPARE(view->currentIndex().row(), selected);
    QCOMPARE(view->selectedRow(), selected);
}

QTEST_MAIN(ItemListViewTest)
#include "item_list_view_test.moc"
