#pragma once
// Thin wrappers of the standard controls: their messages as calls.

#include <string>

#include "platform/wnd.h"

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(bool pushed) const { SendMessage(BM_SETSTATE, pushed); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT style, bool redraw = true) const { SendMessage(BM_SETSTYLE, style, redraw); }
};

class CStatic : public CWnd {
public:
    HBITMAP SetBitmap(HBITMAP bitmap) const
    {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
};

class CEdit : public CWnd {
public:
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void SetLimitText(UINT limit) const { SendMessage(EM_SETLIMITTEXT, limit); }
    void SetReadOnly(bool readOnly) const { SendMessage(EM_SETREADONLY, readOnly); }
};

class CComboBox : public CWnd {
public:
    int AddString(const char* text) const { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, const char* text) const
    {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) const { return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index))); }
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    int SelectString(int after, const char* text) const
    {
        return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(text)));
    }
    int FindStringExact(int after, const char* text) const
    {
        return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(text)));
    }
    // The item's text; empty for an item that does not exist.
    std::string GetLBText(int index) const;
    DWORD_PTR GetItemData(int index) const { return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index))); }
    int SetItemData(int index, DWORD_PTR data) const
    {
        return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
};

class CScrollBar : public CWnd {
public:
    bool GetScrollInfo(SCROLLINFO* info) const { return ::GetScrollInfo(LinkedWindow(), SB_CTL, info) != FALSE; }
    int SetScrollInfo(const SCROLLINFO& info, bool redraw = true) const { return ::SetScrollInfo(LinkedWindow(), SB_CTL, &info, redraw); }
    int GetScrollPos() const { return ::GetScrollPos(LinkedWindow(), SB_CTL); }
    int SetScrollPos(int position, bool redraw = true) const { return ::SetScrollPos(LinkedWindow(), SB_CTL, position, redraw); }
    void GetScrollRange(int* minimum, int* maximum) const { ::GetScrollRange(LinkedWindow(), SB_CTL, minimum, maximum); }
    void SetScrollRange(int minimum, int maximum, bool redraw = true) const
    {
        ::SetScrollRange(LinkedWindow(), SB_CTL, minimum, maximum, redraw);
    }
};
