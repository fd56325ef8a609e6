#pragma once
// One column of a mixer page: a label, a fader with balance and a mute box, bound
// to one line. The page owns its columns; the controls unbind themselves when
// their windows go.

#include <windows.h>

#include <string>

#include "mixer/controls/mixer_button.h"
#include "mixer/controls/mixer_slider_ex.h"
#include "skin/controls/cool_static.h"

class CDialog;
class CMixerDevice;
class MixerLineEntry;

struct MixerColumnIds {
    int label;
    int fader;
    int mute;
};

class CMixerColumn {
public:
    // Links the column's objects to the dialog's items; false when one is missing.
    bool Attach(CDialog& page, const MixerColumnIds& ids);
    bool IsAttached() const { return m_label.m_hWnd != nullptr; }

    // The label shows the line's short name; the fader binds to the volume and the
    // mute box (with the given text, kept when empty) to the mute control.
    void ShowLine(const MixerLineEntry& line);
    void BindFader(CMixerDevice& mixer, DWORD lineId, DWORD controlId);
    void BindMute(CMixerDevice& mixer, DWORD lineId, DWORD controlId, const std::string& text);
    // For a line the device does not have.
    void Disable();

    CCoolStatic& Label() { return m_label; }
    CMixerSliderEx& Fader() { return m_fader; }
    CMixerButton& Mute() { return m_mute; }

private:
    CCoolStatic m_label;
    CMixerSliderEx m_fader;
    CMixerButton m_mute;
};

// Gives a fader's sliders, made when it was bound, the fader's colours: a fader
// passes on only what changes in its own scheme, and it had the page's colours
// before its sliders existed. Cheaper than the whole page's scheme again.
void SpreadToSliders(CMixerSliderEx& fader);
