#pragma once
// A skinned trackbar: drawn in its scheme's colours over the part of its parent's
// background that lies behind it, with tick marks, a channel face that follows
// focus and hover, a meter of the selection range, a bevelled thumb and a frame by
// extended style. A quick second press returns it to its default position.
//
// Owns its cached bitmaps; borrows its window's parent (never owned). Only what the
// redraw mask names is drawn again on a paint; the mask follows what changed.

#include <windows.h>

#include <cstdint>

#include "platform/common_controls.h"
#include <memory>

#include "skin/draw/cool_bitmap.h"
#include "skin/draw/cool_memory_dc.h"
#include "skin/draw/cool_face_cache.h"
#include "skin/controls/cool_hover.h"
#include "skin/scheme/cool_scheme.h"
#include "skin/controls/slider_redraw.h"

class CCoolBlitSource;
class CDC;

class CCoolSliderCtrl : public CSliderCtrl, public CCoolScheme {
public:
    static const CRuntimeClass classCCoolSliderCtrl;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCCoolSliderCtrl; }

    CCoolSliderCtrl();
    ~CCoolSliderCtrl() override;

    void SetDefaultPos(int position) { m_defaultPosition = position; }
    int GetDefaultPos() const { return m_defaultPosition; }
    // Double-click reset to the default position (on by default).
    void EnableDoubleClickReset(bool enable) { m_resetOnDoubleClick = enable; }
    bool IsDoubleClickReset() const { return m_resetOnDoubleClick; }
    // Alpha of the meter's lit parts with RM_BLENDPICTURE; -1 copies them opaquely.
    void SetMeterBlendLevel(int level) { m_meterBlendLevel = level; }
    int GetMeterBlendLevel() const { return m_meterBlendLevel; }

    bool IsHot() const { return m_hot; }
    bool HasFocusFace() const { return m_focus; }
    uint8_t GetRedrawMask() const { return m_redrawMask; }
    // The drawing steps run since the last reset, for whoever watches the cost.
    const SliderDrawCounts& GetDrawCounts() const { return m_drawCounts; }
    void ResetDrawCounts() { m_drawCounts = SliderDrawCounts{}; }

    // Drops every cached bitmap; the next paint draws everything.
    void OnSchemeChanged() override;

protected:
    // The parts of the control a paint works with, in client coordinates.
    struct Parts {
        bool vertical;
        RECT client;
        RECT channel; // along the slider's path also for vertical sliders
        RECT thumb;   // moved to the real position when the trackbar's is stale
        RECT meter;   // the channel inset by one pixel, in channel-layer coordinates
    };

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Lights the meter in the channel layer (from the gradient at the same place,
    // copied through the paint's source); this class lights the selection range.
    virtual void DrawMeter(CCoolDC& layer, CCoolBlitSource& source, const Parts& parts);
    // Redraw bits for state a derived class keeps, read at the start of a paint.
    virtual uint8_t ReadOwnChanges() { return 0; }
    // A left press that goes on to the trackbar (not taken by the double-click reset).
    virtual void OnPressPassedOn(POINT point) {}

    // Copies part of the meter gradient (rect in layer coordinates) into the layer,
    // blended at the meter level with RM_BLENDPICTURE.
    void CopyLitPart(CCoolDC& layer, CCoolBlitSource& source, const RECT& part, const RECT& meter);
    void AddRedrawBits(uint8_t bits) { m_redrawMask |= bits; }
    Parts ReadParts(const SliderSnapshot& state) const;
    // The state as the last paint saw it.
    const SliderSnapshot& LastSeen() const { return m_last; }
    SliderSnapshot ReadSnapshot() const;
    void CountStep(SliderDrawStep step) { ++m_drawCounts.steps[step]; }

private:
    void Paint(CCoolDC& dc);
    void DropBitmaps();
    // Sets the redraw bits for what changed since the last paint. True when the
    // trackbar's own state or the size changed: the trackbar then invalidated only
    // its thumb, and the whole control must be painted. (Changes of levels, hover,
    // focus and scheme come with an invalidation of the whole control.)
    bool ReadChanges();
    void BuildBackdrop(HDC compatible, CCoolBlitSource& source, const Parts& parts);
    void DrawOwnBackground(CCoolDC& dc, const RECT& rect);
    void DrawTicks(CCoolDC& dc, const Parts& parts);
    void BuildChannelLayer(HDC compatible, CCoolBlitSource& source, const Parts& parts);
    void PaintChannelFace(CCoolDC& dc, const RECT& rect, int face);
    void DrawGradient(CCoolDC& dc, const RECT& rect, bool vertical);
    void DrawThumb(CDC& dc, const Parts& parts);
    void PaintFrame();
    bool OnLeftPress(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void SetFocusFace(bool focus);
    void OnHotChanged();

    // Cached bitmaps, dropped together.
    CCoolBitmap m_work{1};
    CCoolBitmap m_ownBackground;
    CCoolFaceCache m_faces{3}; // normal, hot, focused channel faces
    CCoolBitmap m_meterGradient;
    CCoolBitmap m_parentPart;    // the parent's background behind the control
    CCoolBitmap m_backdrop{1};   // parent's background, own background and ticks
    CCoolBitmap m_channelLayer;  // channel face and meter

    int32_t m_defaultPosition = 0;
    bool m_resetOnDoubleClick = true;
    uint64_t m_lastPressMs = 0;
    bool m_pressedBefore = false;
    int32_t m_meterBlendLevel = 127;
    uint8_t m_redrawMask = kRedrawAll;
    SliderSnapshot m_last;
    int m_workWidth = 0;
    int m_workHeight = 0;
    bool m_focus = false;
    bool m_hot = false;

    CCoolHover m_hover;
    SliderDrawCounts m_drawCounts;
    // The work bitmap, the backdrop and the channel layer stay selected in contexts of their own
    // from paint to paint (dropped with them): selecting a bitmap costs more than
    // the copies of a meter update, and a live context keeps the blending library
    // loaded between paints.
    std::unique_ptr<CCoolMemoryDC> m_workDC;
    std::unique_ptr<CCoolMemoryDC> m_backdropDC;
    std::unique_ptr<CCoolMemoryDC> m_layerDC;
};
