// SPDX-License-Identifier: MIT
#include "list_box_view.h"

#include "child_control.h"
#include "focus_mark.h"
#include "gdi_object.h"
#include "wide_text.h"

#include <ranking/item_list.h>

#include <algorithm>
#include <cwctype>

namespace win32 {

ListBoxView::ListBoxView(HWND parent, const form::Control &control, const DpiScale &scale,
                         HFONT font, ranking::ItemList &list)
    : m_list(list)
    , m_role(*control.listRole)
    , m_listBox(CreateChildControl(parent, control, L"LISTBOX",
                                   WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                                       LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                                   WS_EX_CLIENTEDGE, scale, font))
{
    fitRowsToHeight();
    refill();
    m_list.SetObserver(this);
    if (m_listBox)
        m_keysFollowed = ReplaceProcedure(m_listBox, keyProcedure);
}

ListBoxView::~ListBoxView()
{
    m_list.SetObserver(nullptr);
    if (m_keysFollowed)
        RestoreProcedure(m_listBox);
}

LRESULT CALLBACK ListBoxView::keyProcedure(HWND listBox, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallOwnProcedure(listBox, message, wParam, lParam);
    if (isNavigation(message, wParam))
        selectCurrentItem(listBox);
    return result;
}

bool ListBoxView::isNavigation(UINT message, WPARAM wParam)
{
    if (message == WM_CHAR)
        return std::iswalnum(static_cast<wint_t>(wParam)) != 0;
    if (message != WM_KEYDOWN)
        return false;
    switch (wParam) {
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
        return true;
    default:
        return false;
    }
}

// The box moves only its current item where it cannot move (an edge, a list
// of one), and after a press that left no selection; the key selects it
// anyway, and the parent hears of it as of any change of selection.
void ListBoxView::selectCurrentItem(HWND listBox)
{
    const auto current = static_cast<int>(SendMessageW(listBox, LB_GETCARETINDEX, 0, 0));
    const auto count = static_cast<int>(SendMessageW(listBox, LB_GETCOUNT, 0, 0));
    if (current < 0 || current >= count || SendMessageW(listBox, LB_GETCURSEL, 0, 0) == current)
        return;
    SendMessageW(listBox, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    SendMessageW(GetParent(listBox), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(listBox), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(listBox));
}

void ListBoxView::draw(const DRAWITEMSTRUCT &item) const
{
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    const HDC dc = item.hDC;
    const SelectedObject font(dc,
                              reinterpret_cast<HGDIOBJ>(SendMessageW(m_listBox, WM_GETFONT, 0, 0)));
    SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(dc, text);
    const auto index = static_cast<int>(item.itemID);
    const std::wstring label =
        index >= 0 && index < m_list.ListCount() ? rowText(index) : std::wstring();
    // Where the box's own drawing puts the text.
    ExtTextOutW(dc, item.rcItem.left + 1, item.rcItem.top, ETO_OPAQUE | ETO_CLIPPED, &item.rcItem,
                label.c_str(), static_cast<UINT>(label.size()), nullptr);
    // The text's colour on the row's face: at least 3:1 against it by the
    // system's own pairing, in high contrast too; shown whether or not a key
    // has been pressed yet (ODS_NOFOCUSRECT).
    if (item.itemState & ODS_FOCUS)
        DrawFocusMark(dc, item.rcItem, text, FocusMarkWidth(m_listBox));
}

void ListBoxView::bringIntoView(const form::ListInView &view)
{
    const int top = static_cast<int>(SendMessageW(m_listBox, LB_GETTOPINDEX, 0, 0));
    const int newTop = form::TopRowAfter(view, top, fullRows());
    if (newTop != top)
        SendMessageW(m_listBox, LB_SETTOPINDEX, static_cast<WPARAM>(newTop), 0);
    repaint();
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
        if (rowText(index) != Widen(m_list.List(index)))
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

std::wstring ListBoxView::rowText(int index) const
{
    const auto length =
        static_cast<int>(SendMessageW(m_listBox, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0));
    if (length < 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(m_listBox, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

int ListBoxView::fullRows() const
{
    RECT client{};
    GetClientRect(m_listBox, &client);
    const auto rowHeight =
        std::max(1, static_cast<int>(SendMessageW(m_listBox, LB_GETITEMHEIGHT, 0, 0)));
    return std::max(1, static_cast<int>(client.bottom) / rowHeight);
}

void ListBoxView::scrollIntoView(int index)
{
    const int top = static_cast<int>(SendMessageW(m_listBox, LB_GETTOPINDEX, 0, 0));
    const int newTop = form::TopRowShowing(index, top, fullRows());
    if (newTop != top)
        SendMessageW(m_listBox, LB_SETTOPINDEX, static_cast<WPARAM>(newTop), 0);
}

} // namespace win32
