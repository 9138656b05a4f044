// SPDX-License-Identifier: MIT
#pragma once

namespace ranking {

/// Receives every change of one ItemList, so that a view can follow the list
/// without keeping a copy of it.
///
/// Changes of the items come in pairs: the "about to" call is made while the
/// list still has its old contents and selection, the other one once both are
/// updated. A change of the value of ListIndex is reported last, after the
/// pair, whether an item change or SetListIndex() caused it. All default
/// implementations do nothing.
class ItemListObserver
{
public:
    virtual ~ItemListObserver() = default;

    virtual void ItemAboutToBeInserted(int index) { (void)index; }
    virtual void ItemInserted(int index) { (void)index; }
    virtual void ItemAboutToBeRemoved(int index) { (void)index; }
    virtual void ItemRemoved(int index) { (void)index; }
    virtual void AboutToBeCleared() {}
    virtual void Cleared() {}
    virtual void ListIndexChanged(int listIndex) { (void)listIndex; }

protected:
    ItemListObserver() = default;
    ItemListObserver(const ItemListObserver &) = default;
    ItemListObserver &operator=(const ItemListObserver &) = default;
};

} // namespace ranking
