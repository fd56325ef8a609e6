#pragma once
// Device contexts. A CDC deletes the context it made (CreateCompatibleDC) or was given
// with Attach; the window, client and paint forms release theirs to the system. A
// context taken with Borrow (one the system lends a handler: WM_CTLCOLOR*, WM_DRAWITEM,
// NM_CUSTOMDRAW, WM_PRINTCLIENT) is only drawn into, never deleted.

#include <windows.h>

class CDC {
public:
    CDC() = default;
    virtual ~CDC() { DeleteDC(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    bool Attach(HDC dc);
    bool Borrow(HDC dc);
    HDC Detach();
    // Deletes an owned context (forgets a borrowed one).
    bool DeleteDC();
    bool IsOwner() const { return m_owned; }
    // A memory context compatible with the given one (null: the screen).
    bool CreateCompatibleDC(HDC dc) { return Attach(::CreateCompatibleDC(dc)); }
    HDC GetSafeHdc() const { return m_hDC; }

    HGDIOBJ SelectObject(HGDIOBJ object) const { return ::SelectObject(m_hDC, object); }
    COLORREF SetTextColor(COLORREF color) const { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) const { return ::SetBkColor(m_hDC, color); }
    int SetBkMode(int mode) const { return ::SetBkMode(m_hDC, mode); }
    int SetStretchBltMode(int mode) const { return ::SetStretchBltMode(m_hDC, mode); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
    void FillSolidRect(const RECT& rect, COLORREF color) const;
    bool FillRect(const RECT& rect, HBRUSH brush) const { return ::FillRect(m_hDC, &rect, brush) != 0; }
    // A one-pixel frame: top and left in one colour, bottom and right in the other.
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight) const;
    bool BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) const
    {
        return ::BitBlt(m_hDC, x, y, width, height, source, sourceX, sourceY, rop) != FALSE;
    }
    bool StretchBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                    int sourceHeight, DWORD rop) const
    {
        return ::StretchBlt(m_hDC, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, rop) !=
               FALSE;
    }
    int DrawText(const char* text, int length, RECT* rect, UINT format) const
    {
        return ::DrawTextA(m_hDC, text, length, rect, format);
    }
    bool TextOut(int x, int y, const char* text, int length) const
    {
        return ::TextOutA(m_hDC, x, y, text, length) != FALSE;
    }
    SIZE GetTextExtent(const char* text, int length) const;
    bool MoveTo(int x, int y) const { return ::MoveToEx(m_hDC, x, y, nullptr) != FALSE; }
    bool LineTo(int x, int y) const { return ::LineTo(m_hDC, x, y) != FALSE; }

    HDC m_hDC = nullptr;

private:
    bool m_owned = false;
};

// A context lent by the system for the scope of one handler.
class CBorrowedDC : public CDC {
public:
    explicit CBorrowedDC(HDC dc) { Borrow(dc); }
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};

private:
    HWND m_window;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(HWND window);
    ~CClientDC() override;

private:
    HWND m_window;
};

class CWindowDC : public CDC {
public:
    explicit CWindowDC(HWND window);
    ~CWindowDC() override;

private:
    HWND m_window;
};

// Selects an object into a context for the scope and puts the previous one back.
class CScopedSelect {
public:
    CScopedSelect(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? ::SelectObject(dc, object) : nullptr) {}
    ~CScopedSelect()
    {
        if (m_previous)
            ::SelectObject(m_dc, m_previous);
    }
    CScopedSelect(const CScopedSelect&) = delete;
    CScopedSelect& operator=(const CScopedSelect&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
