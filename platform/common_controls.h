#pragma once
// Thin wrappers of the common controls the panel uses.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/wnd.h"

class CSliderCtrl : public CWnd {
public:
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetPos(int position) const { SendMessage(TBM_SETPOS, TRUE, position); }
    int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
    void SetRange(int minimum, int maximum, bool redraw = false) const
    {
        SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
        SendMessage(TBM_SETRANGEMAX, redraw, maximum);
    }
    void SetTicFreq(int frequency) const { SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(frequency)); }
    int GetNumTics() const { return static_cast<int>(SendMessage(TBM_GETNUMTICS)); }
    const DWORD* GetTicArray() const { return reinterpret_cast<const DWORD*>(SendMessage(TBM_GETPTICS)); }
    void SetPageSize(int size) const { SendMessage(TBM_SETPAGESIZE, 0, size); }
    void GetThumbRect(RECT* rect) const { SendMessage(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(rect)); }
    void GetChannelRect(RECT* rect) const { SendMessage(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(rect)); }
    void GetSelection(int* start, int* end) const
    {
        *start = static_cast<int>(SendMessage(TBM_GETSELSTART));
        *end = static_cast<int>(SendMessage(TBM_GETSELEND));
    }
    void SetSelection(int start, int end, bool redraw = true) const
    {
        SendMessage(TBM_SETSELSTART, FALSE, start);
        SendMessage(TBM_SETSELEND, redraw, end);
    }
};

class CListCtrl : public CWnd {
public:
    int InsertColumn(int index, const char* heading, int format, int width) const;
    int InsertItem(int index, const char* text) const;
    bool SetItemText(int item, int subItem, const char* text) const;
    std::string GetItemText(int item, int subItem) const;
    bool DeleteItem(int item) const { return SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(item)) != 0; }
    bool DeleteAllItems() const { return SendMessage(LVM_DELETEALLITEMS) != 0; }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetNextItem(int start, UINT flags) const
    {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }
    bool SetItemState(int item, UINT state, UINT mask) const;
    bool SetBkColor(COLORREF color) const { return SendMessage(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(color)) != 0; }
    bool SetTextColor(COLORREF color) const { return SendMessage(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(color)) != 0; }
    bool SetTextBkColor(COLORREF color) const { return SendMessage(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(color)) != 0; }
    DWORD SetExtendedStyle(DWORD style) const { return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style))); }
};

class CTabCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
    bool GetItem(int index, TCITEMA* item) const { return SendMessage(TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)) != 0; }
    bool SetItem(int index, const TCITEMA& item) const
    {
        return SendMessage(TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
    }
    // The tab's text (at most 63 characters); empty when absent.
    std::string GetItemText(int index) const;
    bool SetItemText(int index, const char* text) const;
    bool GetItemRect(int index, RECT* rect) const { return SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)) != 0; }
    int HitTest(TCHITTESTINFO* info) const { return static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(info))); }
};

class CStatusBarCtrl : public CWnd {
public:
    int GetParts(int count, int* rightEdges) const { return static_cast<int>(SendMessage(SB_GETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(rightEdges))); }
    bool SetParts(int count, const int* rightEdges) const { return SendMessage(SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(rightEdges)) != 0; }
    std::string GetText(int part) const;
    bool SetText(const char* text, int part, UINT type = 0) const
    {
        return SendMessage(SB_SETTEXTA, static_cast<WPARAM>(part) | type, reinterpret_cast<LPARAM>(text)) != 0;
    }
};

class CProgressCtrl : public CWnd {
public:
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
    int SetPos(int position) const { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position))); }
    void GetRange(int* lower, int* upper) const
    {
        PBRANGE range = {};
        SendMessage(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
        *lower = range.iLow;
        *upper = range.iHigh;
    }
    void SetRange(int lower, int upper) const { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
};
