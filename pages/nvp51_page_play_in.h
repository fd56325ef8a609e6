#pragma once
// The Sources page of a six-channel card: the inputs of the playback mix, seven
// columns (label, fader, mute box) bound by the driver's fixed order of playback
// sources, and the microphone's boost.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include "mixer/controls/mixer_button.h"
#include "pages/card_page.h"
#include "pages/mixer_column.h"
#include "skin/controls/cool_static.h"

// Where a column's line and controls are in the driver's layout.
struct PlayInColumn {
    int source;        // source index of the playback destination
    int volumeControl; // control indexes within that line
    int muteControl;
};

constexpr int kPlayInColumns = 7;
extern const PlayInColumn kPlayInLayout[kPlayInColumns];
// The boost switch: this control of this playback source.
constexpr int kPlayInBoostSource = 7;
constexpr int kPlayInBoostControl = 1;

class CNVP51PagePlayIn : public CCardPage {
public:
    static const CRuntimeClass classCNVP51PagePlayIn;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP51PagePlayIn; }

    CNVP51PagePlayIn(CCardMixer* card, CPageHost* host);

    BOOL OnInitDialog() override;

    CMixerColumn& Column(int column) { return m_columns[column]; }
    CMixerButton& Boost() { return m_boost; }

protected:
    void DoDataExchange() override;

private:
    void BindColumn(int column, int sources, const std::string& muteText);
    void BindBoost();

    CCoolStatic m_frame;
    CMixerColumn m_columns[kPlayInColumns];
    CMixerButton m_boost;
};
