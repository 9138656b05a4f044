// SPDX-License-Identifier: MIT
#pragma once

#include <form/form_description.h>
#include <form/list_in_view.h>
#include <ranking/item_list_observer.h>

#include <windows.h>

#include <string>

namespace ranking {
class ItemList;
}

namespace win32 {

class DpiScale;

/// A LISTBOX that shows one list of the board: it follows the list's change
/// reports and passes the user's selection back to the list. Drawn by the
/// program, its current item carries a solid mark of the row's text colour
/// while it has the focus, selected or not; every navigation key leaves the
/// current item selected, as a desktop list box does.
class ListBoxView final : public ranking::ItemListObserver
{
public:
    ListBoxView(HWND parent, const form::Control &control, const DpiScale &scale, HFONT font,
                ranking::ItemList &list);
    ~ListBoxView() override;
    ListBoxView(const ListBoxView &) = delete;
    ListBoxView &operator=(const ListBoxView &) = delete;

    [[nodiscard]] HWND handle() const { return m_listBox; }
    [[nodiscard]] ranking::ListRole role() const { return m_role; }

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

    /// Scrolls as @p view decides, after a press.
    void bringIntoView(const form::ListInView &view);

    /// WM_DRAWITEM: one row, or the empty box's focus mark.
    void draw(const DRAWITEMSTRUCT &item) const;

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
    [[nodiscard]] int fullRows() const;
    [[nodiscard]] int textHeight() const;
    [[nodiscard]] std::wstring rowText(int index) const;

    static LRESULT CALLBACK keyProcedure(HWND listBox, UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] static bool isNavigation(UINT message, WPARAM wParam);
    static void selectCurrentItem(HWND listBox);

    ranking::ItemList &m_list;
    ranking::ListRole m_role;
    HWND m_listBox;
    bool m_keysFollowed = false;
};

} // namespace win32
