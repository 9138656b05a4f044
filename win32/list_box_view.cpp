// SPDX-License-Identifier: MIT
#include "list_box_view.h"

#include "child_control.h"
#include "gdi_object.h"
#include "wide_text.h"

#include <ranking/item_list.h>

#include <algorithm>
#include <string>

namespace win32 {

ListBoxView::ListBoxView(HWND parent, const form::Control &control, const DpiScale &scale,
                         HFONT font, ranking::ItemList &list)
    : m_list(list)
    , m_listBox(CreateChildControl(parent, control, L"LISTBOX",
                                   WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                   WS_EX_CLIENTEDGE, scale, font))
{
    fitRowsToHeight();
    refill();
    m_list.SetObserver(this);
}

ListBoxView::~ListBoxView()
{
    m_list.SetObserver(nullptr);
}

void ListBoxView::takeShownSelection()
{
    auto shown = static_cast<int>(SendMessageW(m_listBox, LB_GETCURSEL, 0, 0));
    if (shown < 0 || shown >= m_list.ListCount())
        shown = -1;
    if (shown != m_list.ListIndex())
        m_list.SetListIndex(shown);
}

void ListBoxView::showList()
{
    if (!showsList())
        refill();
    if (m_list.ListIndex() >= 0)
        scrollIntoView(m_list.ListIndex());
    repaint();
}

bool ListBoxView::showsList() const
{
    if (SendMessageW(m_listBox, LB_GETCOUNT, 0, 0) != m_list.ListCount() ||
        SendMessageW(m_listBox, LB_GETCURSEL, 0, 0) != m_list.ListIndex())
        return false;
    for (int index = 0; index < m_list.ListCount(); ++index) {
        const auto length =
            static_cast<int>(SendMessageW(m_listBox, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0));
        if (length < 0)
            return false;
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(m_listBox, LB_GETTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        if (text != Widen(m_list.List(index)))
            return false;
    }
    return true;
}

void ListBoxView::refill()
{
    SendMessageW(m_listBox, LB_RESETCONTENT, 0, 0);
    for (int index = 0; index < m_list.ListCount(); ++index)
        insertString(index);
    followListIndex();
    repaint();
}

// The box leaves rows unpainted when a change above its top row moves them.
void ListBoxView::repaint()
{
    InvalidateRect(m_listBox, nullptr, TRUE);
}

// A box that showed part of a further row would let a click select an item
// that stays out of sight.
void ListBoxView::fitRowsToHeight()
{
    RECT client{};
    GetClientRect(m_listBox, &client);
    const int rowHeight = form::WholeRowHeight(textHeight(), static_cast<int>(client.bottom));
    SendMessageW(m_listBox, LB_SETITEMHEIGHT, 0, MAKELPARAM(rowHeight, 0));
}

int ListBoxView::textHeight() const
{
    const WindowDC dc(m_listBox);
    const SelectedObject font(dc.get(),
                              reinterpret_cast<HGDIOBJ>(SendMessageW(m_listBox, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    return static_cast<int>(metrics.tmHeight);
}

void ListBoxView::ItemInserted(int index)
{
    insertString(index);
    followListIndex();
    repaint();
}

void ListBoxView::ItemRemoved(int index)
{
    SendMessageW(m_listBox, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    followListIndex();
    repaint();
}

void ListBoxView::Cleared()
{
    SendMessageW(m_listBox, LB_RESETCONTENT, 0, 0);
    repaint();
}

void ListBoxView::ListIndexChanged(int listIndex)
{
    const int top = static_cast<int>(SendMessageW(m_listBox, LB_GETTOPINDEX, 0, 0));
    SendMessageW(m_listBox, LB_SETCURSEL, static_cast<WPARAM>(listIndex), 0);
    // LB_SETCURSEL scrolls by its own rules; put the list back and move it
    // only as far as the selected item needs to be fully seen.
    SendMessageW(m_listBox, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    if (listIndex >= 0)
        scrollIntoView(listIndex);
    repaint();
}

void ListBoxView::insertString(int index)
{
    const std::wstring text = Widen(m_list.List(index));
    SendMessageW(m_listBox, LB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

// The list box moves its selection with inserted and removed rows by rules of
// its own; the list's index is the one that counts.
void ListBoxView::followListIndex()
{
    const auto shown = static_cast<int>(SendMessageW(m_listBox, LB_GETCURSEL, 0, 0));
    if (shown != m_list.ListIndex())
        ListIndexChanged(m_list.ListIndex());
}

void ListBoxView::scrollIntoView(int index)
{
    RECT client{};
    GetClientRect(m_listBox, &client);
    const auto rowHeight =
        std::max(1, static_cast<int>(SendMessageW(m_listBox, LB_GETITEMHEIGHT, 0, 0)));
    const int fullRows = std::max(1, static_cast<int>(client.bottom) / rowHeight);
    const int top = static_cast<int>(SendMessageW(m_listBox, LB_GETTOPINDEX, 0, 0));
    const int newTop = form::TopRowShowing(index, top, fullRows);
    if (newTop != top)
        SendMessageW(m_listBox, LB_SETTOPINDEX, static_cast<WPARAM>(newTop), 0);
}

} // namespace win32
