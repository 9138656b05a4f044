// SPDX-License-Identifier: MIT
#pragma once

#include <form/form_description.h>
#include <ranking/item_list_observer.h>

#include <windows.h>

namespace ranking {
class ItemList;
}

namespace win32 {

class DpiScale;

/// A LISTBOX that shows one list of the board: it follows the list's change
/// reports and passes the user's selection back to the list.
class ListBoxView final : public ranking::ItemListObserver
{
public:
    ListBoxView(HWND parent, const form::Control &control, const DpiScale &scale, HFONT font,
                ranking::ItemList &list);
    ~ListBoxView() override;
    ListBoxView(const ListBoxView &) = delete;
    ListBoxView &operator=(const ListBoxView &) = delete;

    [[nodiscard]] HWND handle() const { return m_listBox; }

    /// Gives the list the selection the box shows, none included: on
    /// LBN_SELCHANGE, and before a command, since a selection set from
    /// outside (LB_SETCURSEL) comes with no notification.
    void takeShownSelection();

    /// Makes the box show the list again, whatever happened to it: items,
    /// order and selection, the selected row in view, repainted.
    void showList();

    /// Makes the rows just tall enough that whole rows fill the box; call it
    /// again after the box's font or size changes.
    void fitRowsToHeight();

    void ItemInserted(int index) override;
    void ItemRemoved(int index) override;
    void Cleared() override;
    void ListIndexChanged(int listIndex) override;

private:
    void insertString(int index);
    void refill();
    [[nodiscard]] bool showsList() const;
    void repaint();
    void followListIndex();
    void scrollIntoView(int index);
    [[nodiscard]] int textHeight() const;

    ranking::ItemList &m_list;
    HWND m_listBox;
};

} // namespace win32
