#include "platform/dc.h"

bool CDC::Attach(HDC dc)
{
    if (!dc)
        return false;
    DeleteDC();
    m_hDC = dc;
    m_owned = true;
    return true;
}

bool CDC::Borrow(HDC dc)
{
    if (!dc)
        return false;
    DeleteDC();
    m_hDC = dc;
    m_owned = false;
    return true;
}

HDC CDC::Detach()
{
    const HDC dc = m_hDC;
    m_hDC = nullptr;
    m_owned = false;
    return dc;
}

bool CDC::DeleteDC()
{
    const bool owned = m_owned;
    const HDC dc = Detach();
    return dc && owned && ::DeleteDC(dc);
}

void CDC::FillSolidRect(const RECT& rect, COLORREF color) const
{
    const COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight) const
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    FillSolidRect({rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    FillSolidRect({rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    if (width > 0 && height > 0) {
        FillSolidRect({rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
        FillSolidRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    }
}

SIZE CDC::GetTextExtent(const char* text, int length) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hDC, text, length, &size);
    return size;
}

CPaintDC::CPaintDC(HWND window) : m_window(window)
{
    Attach(::BeginPaint(window, &m_ps));
}

CPaintDC::~CPaintDC()
{
    if (Detach())
        ::EndPaint(m_window, &m_ps);
}

CClientDC::CClientDC(HWND window) : m_window(window)
{
    Attach(::GetDC(window));
}

CClientDC::~CClientDC()
{
    if (const HDC dc = Detach())
        ::ReleaseDC(m_window, dc);
}

CWindowDC::CWindowDC(HWND window) : m_window(window)
{
    Attach(::GetWindowDC(window));
}

CWindowDC::~CWindowDC()
{
    if (const HDC dc = Detach())
        ::ReleaseDC(m_window, dc);
}
