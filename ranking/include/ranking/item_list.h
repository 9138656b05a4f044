// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ranking {

class ItemListObserver;

/// An ordered list of UTF-8 text items with at most one selected item: the
/// model of one list control.
///
/// A sorted list keeps its items in ascending code-point order (the same as
/// UTF-8 byte order); an equal item goes after the ones already there. An
/// unsorted list appends. ListIndex() is the selected index, or -1 for none,
/// and it follows its item through insertions and removals above it.
///
/// Misuse by a caller (an index outside the list for List(), RemoveItem() or
/// SetListIndex()) throws std::out_of_range before anything changes, so the
/// list stays as it was.
class ItemList
{
public:
    enum class Order { Unsorted, Sorted };
    enum class Visibility { Hidden, Shown };

    explicit ItemList(Order order, Visibility visibility = Visibility::Shown,
                      const std::vector<std::string> &items = {});

    // An observer is tied to one list object, so lists are neither copied nor moved.
    ItemList(const ItemList &) = delete;
    ItemList &operator=(const ItemList &) = delete;

    /// Inserts at the item's place in text order (sorted list) or at the end.
    /// Never selects the new item; the selected item stays selected.
    void AddItem(std::string_view item);

    /// Removes item @p index. Removing the selected item leaves no selection.
    void RemoveItem(int index);

    /// Removes every item and the selection.
    void Clear();

    /// The text of item @p index.
    [[nodiscard]] const std::string &List(int index) const;
    [[nodiscard]] int ListCount() const;
    [[nodiscard]] int ListIndex() const { return m_listIndex; }

    /// Selects item @p index, or nothing when @p index is -1.
    void SetListIndex(int index);

    [[nodiscard]] bool Sorted() const { return m_order == Order::Sorted; }
    [[nodiscard]] bool Visible() const { return m_visibility == Visibility::Shown; }
    [[nodiscard]] const std::vector<std::string> &Items() const { return m_items; }

    /// Sets the one observer told of every change, or none with nullptr. The
    /// observer must outlive the list or be unset first.
    void SetObserver(ItemListObserver *observer) { m_observer = observer; }

private:
    [[nodiscard]] int InsertionIndex(std::string_view item) const;
    void CheckIndex(int index) const;
    void ReportListIndex(int oldListIndex) const;

    std::vector<std::string> m_items;
    Order m_order;
    Visibility m_visibility;
    int m_listIndex = -1;
    ItemListObserver *m_observer = nullptr;
};

} // namespace ranking
