#pragma once
// A single skinned slider bound to a one-value volume control: position 0 (the
// top or left end) is the loudest value. Its moves are written to the mixer; it
// follows the mixer's changes. Borrows the mixer; its registration ends with its
// window.

#include <windows.h>

#include "mixer/mixer_listener.h"
#include "skin/audio_slider.h"

class CMixerSlider : public CAudioSlider, public CMixerListener {
public:
    static const CRuntimeClass classCMixerSlider;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCMixerSlider; }

    CMixerSlider() = default;

    void OnControlChange(DWORD controlId, bool refresh) override;
    bool Update(bool fromMixer) override;
    bool Initialize() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
