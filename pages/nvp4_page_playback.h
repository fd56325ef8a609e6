#pragma once
// The Playback page: the volumes, balances and mutes of the playback lines, one
// column per line (master, the wave outputs and, on cards that are not
// six-channel, CD, line, aux, synthesizer and microphone), and the microphone's
// boost. The columns find their lines when the page starts; the bound controls
// keep themselves up to date afterwards.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include <vector>

#include "mixer/controls/mixer_button.h"
#include "pages/card_page.h"
#include "pages/mixer_column.h"
#include "pages/playback_columns.h"
#include "skin/controls/cool_static.h"

class CNVP4PagePlayback : public CCardPage {
public:
    static const CRuntimeClass classCNVP4PagePlayback;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PagePlayback; }

    CNVP4PagePlayback(CCardMixer* card, CPageHost* host);
    // The dialog template this card gets.
    static UINT TemplateFor(CCardMixer* card);

    BOOL OnInitDialog() override;

    // The columns the template gives this card (six or nine) and the line each
    // shows once the page has started (kNoPlaybackLine: none).
    int ColumnCount() const { return m_columnCount; }
    const std::vector<int>& ColumnLines() const { return m_columnLines; }
    CMixerColumn& Column(int column) { return m_columns[column]; }
    CMixerButton& Boost() { return m_boost; }

protected:
    void DoDataExchange() override;

private:
    bool IsSixChannel() const;
    void BindColumn(int column, DWORD boostId);
    void BindBoost(DWORD lineId, MixerControlEntry& control);

    CCoolStatic m_frame;
    CMixerColumn m_columns[kPlaybackColumnsOther];
    CMixerButton m_boost;
    int m_columnCount = 0;
    std::vector<int> m_columnLines;
    std::string m_muteText;
};
