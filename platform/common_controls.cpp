#include "platform/common_controls.h"

#include <vector>

namespace {

constexpr int kItemTextChars = 260;
constexpr int kTabTextChars = 64;

} // namespace

int CListCtrl::InsertColumn(int index, const char* heading, int format, int width) const
{
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<char*>(heading);
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::InsertItem(int index, const char* text) const
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(text);
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListCtrl::SetItemText(int item, int subItem, const char* text) const
{
    LVITEMA entry = {};
    entry.iSubItem = subItem;
    entry.pszText = const_cast<char*>(text);
    return SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&entry)) != 0;
}

std::string CListCtrl::GetItemText(int item, int subItem) const
{
    char text[kItemTextChars] = "";
    LVITEMA entry = {};
    entry.iSubItem = subItem;
    entry.pszText = text;
    entry.cchTextMax = kItemTextChars;
    const LRESULT length = SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&entry));
    text[kItemTextChars - 1] = '\0';
    return length > 0 ? std::string(text) : std::string();
}

bool CListCtrl::SetItemState(int item, UINT state, UINT mask) const
{
    LVITEMA entry = {};
    entry.state = state;
    entry.stateMask = mask;
    return SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&entry)) != 0;
}

std::string CTabCtrl::GetItemText(int index) const
{
    char text[kTabTextChars] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = kTabTextChars;
    if (!GetItem(index, &item))
        return std::string();
    text[kTabTextChars - 1] = '\0';
    return std::string(item.pszText ? item.pszText : "");
}

bool CTabCtrl::SetItemText(int index, const char* text) const
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text);
    return SetItem(index, item);
}

std::string CStatusBarCtrl::GetText(int part) const
{
    const LRESULT length = LOWORD(SendMessage(SB_GETTEXTLENGTHA, static_cast<WPARAM>(part)));
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendMessage(SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
    text.back() = '\0';
    return std::string(text.data());
}
