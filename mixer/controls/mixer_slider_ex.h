#pragma once
// A fader bound to a volume control: one vertical slider for a one-channel line;
// for a two-channel line a volume slider with a balance slider below it, or (split)
// two vertical sliders for left and right. With a peak meter bound as well, the
// vertical sliders show its level, polled by the mixer.
//
// The user's moves are written to the mixer; the sliders move only when the mixer
// reports the change back. Owns its sliders; borrows the mixer.

#include <windows.h>

#include <memory>

#include "mixer/controls/mixer_bound_control.h"
#include "skin/controls/audio_slider.h"
#include "skin/controls/cool_static.h"

class CMixerSliderEx : public CMixerBoundControl<CCoolStatic> {
public:
    static const CRuntimeClass classCMixerSliderEx;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCMixerSliderEx; }

    // Bound later with Bind.
    CMixerSliderEx() = default;
    // Bound when its window is created; a meter ID of 0 means no meter.
    CMixerSliderEx(CMixerDevice* mixer, DWORD lineId, DWORD volumeId, DWORD meterId, bool split);
    ~CMixerSliderEx() override;

    // Leaves the control and the meter bound before, forgets the meter, then binds
    // to the volume control.
    void Bind(CMixerDevice* mixer, DWORD lineId, DWORD controlId);

    void OnControlChange(DWORD controlId, bool refresh) override;
    // From the mixer: shows the values; false when there is nothing to show. To
    // the mixer: nothing (the scroll messages write).
    bool Update(bool fromMixer) override;
    bool Initialize() override;

    CAudioSlider* GetFirstSlider() const { return m_first.get(); }
    CAudioSlider* GetSecondSlider() const { return m_second.get(); }
    bool IsSplit() const { return m_split; }
    bool HasMeter() const { return m_meter; }
    DWORD GetMeterId() const { return m_meterId; }

    // The sliders show the window behind the fader, which it does not draw.
    int GetBkBitmap(HBITMAP* bitmap) override { return ParentBkBitmap(bitmap); }
    int GetBkRect(RECT* rect) override { return ParentBkRect(rect); }

protected:
    bool InitializesOnCreate() const override { return m_first == nullptr; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool IsStereo() const { return m_line.cChannels >= 2; }
    bool BindMeter();
    void LayOutSliders();
    // Creates the slider, or gives the one there the style bits and place; shown.
    void PlaceSlider(std::unique_ptr<CAudioSlider>& slider, int id, DWORD style, const RECT& rect);
    bool ShowMono(int64_t span);
    bool ShowStereo(int64_t span);
    bool ShowSplit(int64_t span);
    void WriteVolume();
    void WriteBalance();
    void UpdateMeter();
    bool ReadMeter(int64_t* left, int64_t* right);
    void EnableSliders(bool enable);

    MIXERLINEA m_line = {};
    std::unique_ptr<CAudioSlider> m_first;
    std::unique_ptr<CAudioSlider> m_second;
    bool m_split = false;
    bool m_meter = false;
    DWORD m_meterId = 0;
    MIXERCONTROLA m_meterControl = {};
};
