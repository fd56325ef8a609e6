// Painting of the skinned trackbar: three cached layers (the backdrop of parent and
// own background with ticks, the channel with its meter, and the frame that puts
// them together with the thumb), each drawn again only when the redraw mask says.
#include "skin/controls/cool_slider_ctrl.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "skin/draw/cool_blit_source.h"
#include "skin/draw/cool_dc.h"
#include "skin/controls/cool_focus_mark.h"
#include "skin/controls/cool_layout.h"
#include "skin/draw/cool_memory_dc.h"
#include "skin/controls/cool_parent_background.h"
#include "skin/controls/slider_geometry.h"

namespace {

enum ChannelFace { kFaceNormal, kFaceHot, kFaceFocused };

RECT Turned(const RECT& rect) { return RECT{rect.top, rect.left, rect.bottom, rect.right}; }

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

// Blend level as an alpha; -1 and values past 255 copy opaquely.
bool BlendsAt(int level, BYTE* alpha)
{
    if (level < 0 || level >= 255)
        return false;
    *alpha = static_cast<BYTE>(level);
    return true;
}

void Copy(CDC& target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY)
{
    if (source != nullptr && width > 0 && height > 0)
        target.BitBlt(x, y, width, height, source, sourceX, sourceY, SRCCOPY);
}

} // namespace

SliderSnapshot CCoolSliderCtrl::ReadSnapshot() const
{
    SliderSnapshot now;
    now.style = GetStyle();
    now.exStyle = GetExStyle();
    now.position = GetPos();
    now.minimum = GetRangeMin();
    now.maximum = GetRangeMax();
    GetSelection(&now.selectionStart, &now.selectionEnd);
    return now;
}

CCoolSliderCtrl::Parts CCoolSliderCtrl::ReadParts(const SliderSnapshot& state) const
{
    Parts parts = {};
    parts.vertical = (state.style & TBS_VERT) != 0;
    GetClientRect(&parts.client);
    GetChannelRect(&parts.channel);
    // Some trackbars report a vertical channel as if the slider lay on its side.
    if (parts.vertical && Width(parts.channel) > Height(parts.channel))
        parts.channel = Turned(parts.channel);
    GetThumbRect(&parts.thumb);
    // The trackbar moves its thumb rectangle only when it repaints itself, which it
    // never does here: put the thumb where the position says.
    const bool vertical = parts.vertical;
    const int thumbLength = AlongEnd(parts.thumb, vertical) - AlongStart(parts.thumb, vertical);
    const int channelStart = AlongStart(parts.channel, vertical);
    const int expected = ThumbStartFor(state.position, state.minimum, state.maximum, channelStart,
                                       AlongEnd(parts.channel, vertical) - channelStart, thumbLength);
    const int shift = expected - AlongStart(parts.thumb, vertical);
    if (std::abs(shift) > 1)
        OffsetRect(&parts.thumb, vertical ? 0 : shift, vertical ? shift : 0);
    parts.meter = RECT{1, 1, Width(parts.channel) - 1, Height(parts.channel) - 1};
    return parts;
}

bool CCoolSliderCtrl::ReadChanges()
{
    RECT client;
    GetClientRect(&client);
    const int width = Width(client);
    const int height = Height(client);
    const SliderSnapshot now = ReadSnapshot();
    const bool resized = width != m_workWidth || height != m_workHeight;
    if (StylesChanged(m_last, now) || resized)
        DropBitmaps();
    const uint8_t trackbarBits = RedrawBitsForChange(m_last, now);
    m_redrawMask |= trackbarBits | ReadOwnChanges();
    m_last = now;
    m_workWidth = width;
    m_workHeight = height;
    return trackbarBits != 0 || resized;
}

void CCoolSliderCtrl::Paint(CCoolDC& dc)
{
    CaptureLayout(m_hWnd, m_layout);
    RECT client;
    GetClientRect(&client);
    const int width = Width(client);
    const int height = Height(client);
    if (width <= 0 || height <= 0)
        return;
    const Parts parts = ReadParts(m_last);
    ++m_drawCounts.paints;

    // One context serves every copy from a cached bitmap during the paint.
    CCoolBlitSource source(dc.GetSafeHdc());
    BuildBackdrop(dc.GetSafeHdc(), source, parts);
    BuildChannelLayer(dc.GetSafeHdc(), source, parts);
    if (!m_workDC)
        m_workDC = std::make_unique<CCoolMemoryDC>(dc.GetSafeHdc(), m_work, width, height);
    CCoolMemoryDC& work = *m_workDC;
    if (!work.IsValid())
        return;
    if (m_backdropDC)
        Copy(work, 0, 0, width, height, m_backdropDC->GetSafeHdc(), 0, 0);
    if (m_layerDC)
        Copy(work, parts.channel.left, parts.channel.top, Width(parts.channel), Height(parts.channel),
             m_layerDC->GetSafeHdc(), 0, 0);
    DrawThumb(work, parts);
    // Over everything, and composed afresh on each paint: nothing cached holds it.
    if (ShowsFocusMark(m_hWnd))
        DrawFocusMark(work.GetSafeHdc(), client, m_colors[CCOL_TEXT]);
    work.CopyTo(dc.GetSafeHdc());
    m_redrawMask = 0;
}

void CCoolSliderCtrl::BuildBackdrop(HDC compatible, CCoolBlitSource& source, const Parts& parts)
{
    const int width = Width(parts.client);
    const int height = Height(parts.client);
    const bool blendPicture = (m_flags & kBlendPicture) != 0;
    bool parentCopied = false;
    if ((blendPicture || m_redrawMask == kRedrawAll) && m_blendLevel != -1) {
        const bool fresh = m_parentPart.GetWidth() == 0;
        CCoolMemoryDC part(compatible, m_parentPart, width, height);
        // Without a parent background the part keeps what it had: the scheme's
        // background on the first paint.
        if (fresh)
            part.FillSolidRect(part.Rect(), m_colors[CCOL_BACKGROUND]);
        CopyParentBackground(m_hWnd, part.GetSafeHdc(), 0, 0, width, height);
        CountStep(kStepParentBackground);
        parentCopied = true;
    }
    const bool ownChanged = (m_redrawMask & (kRedrawOwnBackground | kRedrawCompose | kRedrawTicks)) != 0;
    if (!ownChanged && !parentCopied && m_backdropDC)
        return;

    const bool hasOwnBackground = m_blendLevel != 0;
    if (hasOwnBackground && ((m_redrawMask & (kRedrawOwnBackground | kRedrawTicks)) || m_ownBackground.GetWidth() == 0)) {
        CCoolMemoryDC own(compatible, m_ownBackground, width, height);
        DrawOwnBackground(own, own.Rect());
        DrawTicks(own, parts);
    }

    if (!m_backdropDC)
        m_backdropDC = std::make_unique<CCoolMemoryDC>(compatible, m_backdrop, width, height);
    CCoolMemoryDC& backdrop = *m_backdropDC;
    if (!backdrop.IsValid())
        return;
    CountStep(kStepCompose);
    const HDC parent = m_blendLevel == -1 ? nullptr : source.Select(m_parentPart);
    if (parent == nullptr)
        backdrop.FillSolidRect(backdrop.Rect(), m_colors[CCOL_BACKGROUND]);
    else
        Copy(backdrop, 0, 0, width, height, parent, 0, 0);
    if (!hasOwnBackground) {
        // Nothing of its own: the ticks go straight over the parent's background.
        DrawTicks(backdrop, parts);
        return;
    }
    const HDC own = source.Select(m_ownBackground);
    if (own == nullptr)
        return;
    BYTE alpha = 0;
    if (blendPicture && BlendsAt(m_blendLevel, &alpha))
        backdrop.AlphaBlend(0, 0, width, height, own, 0, 0, width, height, alpha, 0);
    else
        Copy(backdrop, 0, 0, width, height, own, 0, 0);
}

void CCoolSliderCtrl::DrawOwnBackground(CCoolDC& dc, const RECT& rect)
{
    CountStep(kStepOwnBackground);
    if (m_flags & kFlat) {
        dc.FillSolidRect(rect, m_colors[CCOL_BACKGROUND]);
        return;
    }
    POINT light = m_light;
    dc.DrawShade(rect, m_colors[CCOL_BACKGROUND], m_colors[CCOL_LIGHT], &light, 0);
}

void CCoolSliderCtrl::DrawTicks(CCoolDC& dc, const Parts& parts)
{
    if (m_last.style & TBS_NOTICKS)
        return;
    const int count = GetNumTics();
    if (count <= 0)
        return;
    CountStep(kStepTicks);
    RECT strips[2];
    const int stripCount = TickStrips(parts.client, parts.thumb, parts.channel, m_last.style, strips);
    const DWORD* tics = count > 2 ? GetTicArray() : nullptr;
    const bool vertical = parts.vertical;
    for (int i = 0; i < stripCount; ++i) {
        const RECT& strip = strips[i];
        const int start = AlongStart(strip, vertical);
        const int length = AlongEnd(strip, vertical) - start;
        for (const TickMark& mark : LayoutTicks(count, tics, m_last.minimum, m_last.maximum, m_last.position, length)) {
            // The end tick at the maximum's end sits on the strip's last pixel.
            const int at = start + std::min(mark.offset, std::max(length - 1, 0));
            dc.FillSolidRect(AxisRect(vertical, at, at + 1, AcrossStart(strip, vertical), AcrossEnd(strip, vertical)),
                             m_colors[mark.role]);
        }
    }
}

void CCoolSliderCtrl::BuildChannelLayer(HDC compatible, CCoolBlitSource& source, const Parts& parts)
{
    const int width = Width(parts.channel);
    const int height = Height(parts.channel);
    if (width <= 0 || height <= 0)
        return;
    if (!(m_redrawMask & (kRedrawChannel | kRedrawMeterGradient | kRedrawMeterBars)) && m_layerDC)
        return;
    const int face = m_focus ? kFaceFocused : m_hot ? kFaceHot : kFaceNormal;
    if (!m_layerDC)
        m_layerDC = std::make_unique<CCoolMemoryDC>(compatible, m_channelLayer, width, height);
    CCoolMemoryDC& layer = *m_layerDC;
    if (!layer.IsValid())
        return;
    CountStep(kStepChannel);
    CCoolBitmap* faceBitmap = m_faces.Get(face, compatible, width, height,
                                          [this, face](CCoolDC& dc, const RECT& rect) { PaintChannelFace(dc, rect, face); });
    if (faceBitmap != nullptr)
        Copy(layer, 0, 0, width, height, source.Select(*faceBitmap), 0, 0);
    if (!(m_last.style & TBS_ENABLESELRANGE) || IsRectEmpty(&parts.meter))
        return;
    if ((m_redrawMask & kRedrawMeterGradient) || m_meterGradient.GetWidth() == 0) {
        CCoolMemoryDC gradient(compatible, m_meterGradient, Width(parts.meter), Height(parts.meter));
        DrawGradient(gradient, gradient.Rect(), parts.vertical);
    }
    CountStep(kStepMeterBars);
    DrawMeter(layer, source, parts);
}

void CCoolSliderCtrl::PaintChannelFace(CCoolDC& dc, const RECT& rect, int face)
{
    static const std::pair<int, int> kShades[] = {
        {CCOL_STATICDARK, CCOL_STATIC}, // normal: edge, centre
        {CCOL_STATIC, CCOL_STATICLIGHT},
        {CCOL_STATIC, CCOL_STATICBRIGHT},
    };
    const COLORREF edge = m_colors[kShades[face].first];
    const COLORREF centre = m_colors[kShades[face].second];
    if (m_flags & kFlat) {
        dc.FillSolidRect(rect, centre);
    } else {
        POINT middle = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        dc.DrawShade(rect, edge, centre, &middle, 1);
    }
    dc.Draw3dRect(rect, m_colors[CCOL_SHADOW], m_colors[CCOL_LIGHT]);
}

void CCoolSliderCtrl::DrawGradient(CCoolDC& dc, const RECT& rect, bool vertical)
{
    CountStep(kStepMeterGradient);
    // Low at the bottom of a vertical meter and at the left of a horizontal one.
    const COLORREF first = vertical ? m_colors[CCOL_PEAKHIGH] : m_colors[CCOL_PEAKLOW];
    const COLORREF second = vertical ? m_colors[CCOL_PEAKLOW] : m_colors[CCOL_PEAKHIGH];
    TRIVERTEX vertices[2] = {};
    const COLORREF colors[2] = {first, second};
    const POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    for (int i = 0; i < 2; ++i) {
        vertices[i].x = corners[i].x;
        vertices[i].y = corners[i].y;
        vertices[i].Red = static_cast<COLOR16>(GetRValue(colors[i]) << 8);
        vertices[i].Green = static_cast<COLOR16>(GetGValue(colors[i]) << 8);
        vertices[i].Blue = static_cast<COLOR16>(GetBValue(colors[i]) << 8);
    }
    GRADIENT_RECT mesh = {0, 1};
    dc.GradientFill(vertices, 2, &mesh, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void CCoolSliderCtrl::DrawMeter(CCoolDC& layer, CCoolBlitSource& source, const Parts& parts)
{
    CopyLitPart(layer, source,
                SelectionLitPart(parts.meter, parts.vertical, m_last.selectionStart, m_last.selectionEnd, m_last.minimum,
                                 m_last.maximum),
                parts.meter);
}

void CCoolSliderCtrl::CopyLitPart(CCoolDC& layer, CCoolBlitSource& source, const RECT& part, const RECT& meter)
{
    if (IsRectEmpty(&part))
        return;
    const HDC gradient = source.Select(m_meterGradient);
    if (gradient == nullptr)
        return;
    const int sourceX = part.left - meter.left;
    const int sourceY = part.top - meter.top;
    BYTE alpha = 0;
    if ((m_flags & kBlendPicture) && BlendsAt(m_meterBlendLevel, &alpha))
        layer.AlphaBlend(part.left, part.top, Width(part), Height(part), gradient, sourceX, sourceY, Width(part),
                         Height(part), alpha, 0);
    else
        Copy(layer, part.left, part.top, Width(part), Height(part), gradient, sourceX, sourceY);
}

void CCoolSliderCtrl::DrawThumb(CDC& dc, const Parts& parts)
{
    if ((m_last.style & TBS_NOTHUMB) || IsRectEmpty(&parts.thumb))
        return;
    CountStep(kStepThumb);
    const bool enabled = (m_last.style & WS_DISABLED) == 0;
    RECT rect = parts.thumb;
    const std::pair<int, int> bevels[] = {
        {CCOL_LIGHT, CCOL_SHADOW},
        enabled ? std::pair<int, int>{CCOL_STATICBRIGHT, CCOL_STATIC} : std::pair<int, int>{CCOL_STATIC, CCOL_STATICDARK},
        {CCOL_LIGHT, CCOL_SHADOW},
    };
    for (const auto& bevel : bevels) {
        dc.Draw3dRect(rect, m_colors[bevel.first], m_colors[bevel.second]);
        InflateRect(&rect, -1, -1);
    }
    if (IsRectEmpty(&rect))
        return;
    if (m_last.style & TBS_ENABLESELRANGE)
        dc.Draw3dRect(rect, m_colors[CCOL_SHADOW], m_colors[CCOL_LIGHT]); // the meter stays visible inside
    else
        dc.FillSolidRect(rect, m_colors[CCOL_BACKGROUND]);
}
