#pragma once
// A skinned check box or radio button bound to a mixer switch, or to one item of a
// multiple-item control (a record source of a mux). It shows the mixer's state,
// writes the user's clicks, and tells its parent NM_MIXERCHANGE after every change
// the mixer reports. Borrows the mixer; its registrations end with its window.

#include <windows.h>

#include "mixer/controls/mixer_change_notify.h"
#include "mixer/controls/mixer_bound_control.h"
#include "skin/controls/cool_button.h"

class CMixerButton : public CMixerBoundControl<CCoolButton> {
public:
    static const CRuntimeClass classCMixerButton;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCMixerButton; }

    CMixerButton() = default;

    // itemCount > 0: the button stands for item itemIndex of a control with that
    // many items; 0: it drives the whole control. Set before binding.
    void SetItem(int itemCount, int itemIndex);
    int GetItemCount() const { return m_itemCount; }
    int GetItemIndex() const { return m_itemIndex; }

    void OnControlChange(DWORD controlId, bool refresh) override;
    bool Update(bool fromMixer) override;
    bool Initialize() override;

protected:
    bool AnswersChangeMessages() const override { return true; }
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    bool UpdateItem(bool fromMixer);
    bool UpdateWhole(bool fromMixer);
    void ShowCheck(bool checked);
    void NotifyParent();

    MixerChangeNotify m_notify = {};
    int m_itemCount = 0;
    int m_itemIndex = 0;
};
