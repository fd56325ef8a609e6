#pragma once
// A single skinned slider bound to a one-value volume control: position 0 (the
// top or left end) is the loudest value. Its moves are written to the mixer; it
// follows the mixer's changes. Borrows the mixer; its registration ends with its
// window.

#include <windows.h>

#include "mixer/controls/mixer_bound_control.h"
#include "skin/controls/audio_slider.h"

class CMixerSlider : public CMixerBoundControl<CAudioSlider> {
public:
    static const CRuntimeClass classCMixerSlider;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCMixerSlider; }

    CMixerSlider() = default;

    void OnControlChange(DWORD controlId, bool refresh) override;
    bool Update(bool fromMixer) override;
    bool Initialize() override;

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
