#include "skin/draw/cool_caption.h"

#include "skin/draw/cool_dc.h"

void DrawCoolCaption(CCoolDC& dc, const std::string& text, RECT rect, UINT format, const CoolCaptionColors& colors)
{
    if (text.empty())
        return;
    const int mode = dc.SetBkMode(TRANSPARENT);
    const COLORREF previous = dc.SetTextColor(colors.text);
    const int length = static_cast<int>(text.size());
    if (colors.emboss) {
        RECT shifted = rect;
        OffsetRect(&shifted, -1, -1);
        dc.SetTextColor(colors.upperLeft);
        dc.DrawText(text.c_str(), length, &shifted, format);
        OffsetRect(&shifted, 2, 2);
        dc.SetTextColor(colors.lowerRight);
        dc.DrawText(text.c_str(), length, &shifted, format);
        dc.SetTextColor(colors.text);
    }
    dc.DrawText(text.c_str(), length, &rect, format);
    dc.SetTextColor(previous);
    dc.SetBkMode(mode);
}
