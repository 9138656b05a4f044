// SPDX-License-Identifier: MIT
#include <ranking/item_list.h>

#include <ranking/item_list_observer.h>

#include <algorithm>
#include <stdexcept>

namespace ranking {

ItemList::ItemList(Order order, Visibility visibility, const std::vector<std::string> &items)
    : m_order(order)
    , m_visibility(visibility)
{
    m_items.reserve(items.size());
    for (const auto &item : items)
        AddItem(item);
}

void ItemList::AddItem(std::string_view item)
{
    const int index = InsertionIndex(item);
    const int oldListIndex = m_listIndex;
    if (m_observer)
        m_observer->ItemAboutToBeInserted(index);
    m_items.insert(m_items.begin() + index, std::string(item));
    if (m_listIndex >= index)
        ++m_listIndex;
    if (m_observer)
        m_observer->ItemInserted(index);
    ReportListIndex(oldListIndex);
}

void ItemList::RemoveItem(int index)
{
    CheckIndex(index);
    const int oldListIndex = m_listIndex;
    if (m_observer)
        m_observer->ItemAboutToBeRemoved(index);
    m_items.erase(m_items.begin() + index);
    if (index == m_listIndex)
        m_listIndex = -1;
    else if (index < m_listIndex)
        --m_listIndex;
    if (m_observer)
        m_observer->ItemRemoved(index);
    ReportListIndex(oldListIndex);
}

void ItemList::Clear()
{
    const int oldListIndex = m_listIndex;
    if (m_observer)
        m_observer->AboutToBeCleared();
    m_items.clear();
    m_listIndex = -1;
    if (m_observer)
        m_observer->Cleared();
    ReportListIndex(oldListIndex);
}

const std::string &ItemList::List(int index) const
{
    CheckIndex(index);
    return m_items[static_cast<std::size_t>(index)];
}

int ItemList::ListCount() const
{
    return static_cast<int>(m_items.size());
}

void ItemList::SetListIndex(int index)
{
    if (index != -1)
        CheckIndex(index);
    const int oldListIndex = m_listIndex;
    m_listIndex = index;
    ReportListIndex(oldListIndex);
}

int ItemList::InsertionIndex(std::string_view item) const
{
    if (!Sorted())
        return ListCount();
    const auto place = std::upper_bound(m_items.begin(), m_items.end(), item);
    return static_cast<int>(place - m_items.begin());
}

void ItemList::CheckIndex(int index) const
{
    if (index < 0 || index >= ListCount())
        throw std::out_of_range("ItemList: index " + std::to_string(index) + " outside a list of " +
                                std::to_string(ListCount()) + " items");
}

void ItemList::ReportListIndex(int oldListIndex) const
{
    if (m_observer && m_listIndex != oldListIndex)
        m_observer->ListIndexChanged(m_listIndex);
}

} // namespace ranking
