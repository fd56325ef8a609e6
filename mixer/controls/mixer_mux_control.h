#pragma once
// A column of skinned radio buttons bound to a mux control: one button per item,
// the selected item checked, a click selects that item in the mixer. Owns its item
// buttons and the state buffer; borrows the mixer.

#include <windows.h>

#include <memory>
#include <vector>

#include "mixer/controls/mixer_bound_control.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_static.h"

class CMixerMuxControl : public CMixerBoundControl<CCoolStatic> {
public:
    static const CRuntimeClass classCMixerMuxControl;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCMixerMuxControl; }

    CMixerMuxControl() = default;
    // Bound when its window is created.
    CMixerMuxControl(CMixerDevice* mixer, DWORD lineId, DWORD controlId);
    ~CMixerMuxControl() override;

    void OnControlChange(DWORD controlId, bool refresh) override;
    bool Update(bool fromMixer) override;
    bool Initialize() override;

    int GetItemButtonCount() const { return static_cast<int>(m_items.size()); }
    CCoolButton* GetItemButton(int index) const;

    // Its item buttons show the page behind the column, which it does not draw.
    int GetBkBitmap(HBITMAP* bitmap) override { return ParentBkBitmap(bitmap); }
    int GetBkRect(RECT* rect) override { return ParentBkRect(rect); }

protected:
    bool InitializesOnCreate() const override { return m_items.empty(); }
    bool AnswersChangeMessages() const override { return true; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateItemButtons(const MIXERCONTROLDETAILS* names);

    MIXERLINEA m_line = {};
    std::vector<std::unique_ptr<CCoolButton>> m_items;
    std::vector<LONG> m_state;
};
