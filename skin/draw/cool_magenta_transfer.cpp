#include "skin/draw/cool_magenta_transfer.h"

#include "skin/draw/cool_border.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/draw/cool_memory_dc.h"

HBRUSH CCoolMagentaTransfer::Brush()
{
    if (m_brush.GetSafeHandle() == nullptr)
        m_brush.CreateSolidBrush(kMagenta);
    return m_brush.GetHandle();
}

LRESULT CCoolMagentaTransfer::AnswerColorRequest(HDC dc, COLORREF text)
{
    const CBorrowedDC lent(dc);
    lent.SetTextColor(text);
    lent.SetBkColor(kMagenta);
    lent.SetBkMode(TRANSPARENT);
    return reinterpret_cast<LRESULT>(Brush());
}

void CCoolMagentaTransfer::Transfer(CCoolDC& dc, int width, int height,
                                    const std::function<void(HDC content)>& paintContent)
{
    if (width <= 0 || height <= 0)
        return;
    CCoolMemoryDC content(dc.GetSafeHdc(), width, height);
    if (!content.IsValid())
        return;
    content.FillSolidRect(content.Rect(), kMagenta);
    const int saved = ::SaveDC(content.GetSafeHdc());
    paintContent(content.GetSafeHdc());
    ::RestoreDC(content.GetSafeHdc(), saved);
    dc.TransparentBlt(0, 0, width, height, content.GetSafeHdc(), 0, 0, kMagenta);
}

bool CCoolMagentaTransfer::HandleMessage(HWND window, const CCoolScheme& scheme, UINT message, WPARAM wParam,
                                         LPARAM lParam, const Platform& platform, LRESULT* result)
{
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        // Before the paint begins: changing the font repaints.
        m_font.Apply(window);
        return false;
    case WM_SETFONT: {
        CCoolHiddenPaint hidden(window);
        *result = platform(message, reinterpret_cast<WPARAM>(m_font.Substitute(reinterpret_cast<HFONT>(wParam))),
                           lParam);
        return true;
    }
    case WM_NCPAINT:
        *result = platform(message, wParam, lParam);
        DrawBorderBevel(window, scheme);
        return true;
    case WM_DESTROY:
        m_font.Restore(window);
        return false;
    default:
        return false;
    }
}
