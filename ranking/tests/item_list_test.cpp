// SPDX-License-Identifier: MIT
#include <ranking/item_list.h>
#include <ranking/item_list_observer.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using ranking::ItemList;
using Items = std::vector<std::string>;

namespace {

ItemList sortedList(const Items &items)
{
    return ItemList(ItemList::Order::Sorted, ItemList::Visibility::Shown, items);
}

/// Records every report as one line, so a test can state the exact sequence.
class RecordingObserver : public ranking::ItemListObserver
{
public:
    void ItemAboutToBeInserted(int index) override { Log("about to insert", index); }
    void ItemInserted(int index) override { Log("inserted", index); }
    void ItemAboutToBeRemoved(int index) override { Log("about to remove", index); }
    void ItemRemoved(int index) override { Log("removed", index); }
    void AboutToBeCleared() override { reports.emplace_back("about to clear"); }
    void Cleared() override { reports.emplace_back("cleared"); }
    void ListIndexChanged(int listIndex) override { Log("index", listIndex); }

    Items reports;

private:
    void Log(const char *what, int value)
    {
        reports.push_back(what + (" " + std::to_string(value)));
    }
};

} // namespace

TEST(ItemListInsertion, SortedListPutsItemAtItsPlace)
{
    auto languages = sortedList({"китайски", "руски"});
    languages.AddItem("немски");
    EXPECT_EQ(languages.Items(), (Items{"китайски", "немски", "руски"}));

    auto speakers = sortedList({"400", "600"});
    speakers.AddItem("500");
    speakers.AddItem("100");
    speakers.AddItem("900");
    EXPECT_EQ(speakers.Items(), (Items{"100", "400", "500", "600", "900"}));
}

TEST(ItemListInsertion, SortedConstructionOrdersInitialItems)
{
    const auto list = sortedList({"руски", "английски", "арабски"});
    EXPECT_EQ(list.Items(), (Items{"английски", "арабски", "руски"}));
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST(ItemListInsertion, UnsortedListAppendsWhateverTheText)
{
    ItemList ranking(ItemList::Order::Unsorted);
    ranking.AddItem("500 арабски");
    ranking.AddItem("900 руски");
    ranking.AddItem("100 английски");
    EXPECT_EQ(ranking.Items(), (Items{"500 арабски", "900 руски", "100 английски"}));
}

TEST(ItemListSelection, InsertionAtOrBeforeSelectionKeepsSameItemSelected)
{
    auto speakers = sortedList({"200", "400"});
    speakers.SetListIndex(0);
    speakers.AddItem("100");
    EXPECT_EQ(speakers.ListIndex(), 1);
    EXPECT_EQ(speakers.List(speakers.ListIndex()), "200");

    speakers.AddItem("300");
    EXPECT_EQ(speakers.List(speakers.ListIndex()), "200");

    ItemList ranking(ItemList::Order::Unsorted, ItemList::Visibility::Shown, {"900 руски"});
    ranking.SetListIndex(0);
    ranking.AddItem("100 немски");
    EXPECT_EQ(ranking.ListIndex(), 0) << "appending below the selection must not move it";

    auto equal = sortedList({"200"});
    equal.SetListIndex(0);
    equal.AddItem("200");
    EXPECT_EQ(equal.ListIndex(), 0) << "an equal item goes after the ones already there";
}

TEST(ItemListSelection, AddItemNeverSelectsTheNewItem)
{
    auto list = sortedList({});
    list.AddItem("100");
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST(ItemListSelection, RemovingSelectedItemLeavesNoSelection)
{
    auto list = sortedList({"100", "200", "300"});
    list.SetListIndex(1);
    list.RemoveItem(1);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.Items(), (Items{"100", "300"}));
}

TEST(ItemListSelection, RemovingAboveSelectionKeepsSameItemSelected)
{
    auto list = sortedList({"100", "200", "300"});
    list.SetListIndex(2);
    list.RemoveItem(0);
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(list.List(1), "300");

    list.RemoveItem(0);
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(list.List(0), "300");
}

TEST(ItemListSelection, RemovingBelowSelectionLeavesItAlone)
{
    auto list = sortedList({"100", "200", "300"});
    list.SetListIndex(0);
    list.RemoveItem(2);
    EXPECT_EQ(list.ListIndex(), 0);
}

TEST(ItemListSelection, ClearEmptiesAndDeselectsEvenWhenAlreadyEmpty)
{
    auto list = sortedList({"100", "200"});
    list.SetListIndex(1);
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST(ItemListMisuse, IndexOutsideListThrowsAndChangesNothing)
{
    auto list = sortedList({"100", "200"});
    list.SetListIndex(1);
    EXPECT_THROW((void)list.List(2), std::out_of_range);
    EXPECT_THROW((void)list.List(-1), std::out_of_range);
    EXPECT_THROW(list.RemoveItem(2), std::out_of_range);
    EXPECT_THROW(list.RemoveItem(-1), std::out_of_range);
    EXPECT_THROW(list.SetListIndex(2), std::out_of_range);
    EXPECT_THROW(list.SetListIndex(-2), std::out_of_range);
    EXPECT_EQ(list.Items(), (Items{"100", "200"}));
    EXPECT_EQ(list.ListIndex(), 1);

    ItemList empty(ItemList::Order::Unsorted);
    EXPECT_THROW(empty.SetListIndex(0), std::out_of_range);
    EXPECT_NO_THROW(empty.SetListIndex(-1));
}

TEST(ItemListObserver, ReportsEachChangeAroundItAndSelectionAfterIt)
{
    auto list = sortedList({"200", "400"});
    RecordingObserver observer;
    list.SetObserver(&observer);

    list.SetListIndex(1);
    list.AddItem("100");
    list.RemoveItem(2);
    list.SetListIndex(0);
    list.Clear();
    list.SetListIndex(-1);

    EXPECT_EQ(observer.reports,
              (Items{"index 1", "about to insert 0", "inserted 0", "index 2", "about to remove 2",
                     "removed 2", "index -1", "index 0", "about to clear", "cleared", "index -1"}));
}

TEST(ItemListObserver, SeesOldContentsBeforeAndNewContentsAfterAChange)
{
    auto list = sortedList({"100", "300"});
    struct Checker : ranking::ItemListObserver
    {
        const ItemList *list = nullptr;
        std::vector<int> counts;
        void ItemAboutToBeInserted(int) override { counts.push_back(list->ListCount()); }
        void ItemInserted(int index) override
        {
            counts.push_back(list->ListCount());
            EXPECT_EQ(list->List(index), "200");
        }
    } checker;
    checker.list = &list;
    list.SetObserver(&checker);
    list.AddItem("200");
    EXPECT_EQ(checker.counts, (std::vector<int>{2, 3}));
}

TEST(ItemListObserver, FailedCallReportsNothing)
{
    auto list = sortedList({"100"});
    RecordingObserver observer;
    list.SetObserver(&observer);
    EXPECT_THROW(list.RemoveItem(5), std::out_of_range);
    EXPECT_THROW(list.SetListIndex(5), std::out_of_range);
    EXPECT_TRUE(observer.reports.empty());
}

TEST(ItemListObserver, SelectionIsAlreadyUpdatedWhenChangeIsReported)
{
    auto list = sortedList({"100", "200", "300"});
    list.SetListIndex(2);
    struct Checker : ranking::ItemListObserver
    {
        const ItemList *list = nullptr;
        std::vector<int> seen;
        void ItemAboutToBeRemoved(int) override { seen.push_back(list->ListIndex()); }
        void ItemRemoved(int) override { seen.push_back(list->ListIndex()); }
    } checker;
    checker.list = &list;
    list.SetObserver(&checker);
    list.RemoveItem(2);
    EXPECT_EQ(checker.seen, (std::vector<int>{2, -1}));
}
