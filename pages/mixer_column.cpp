#include "pages/mixer_column.h"

#include "mixer/controls/mixer_names.h"
#include "mixer/mixer_line_entry.h"
#include "platform/dialog.h"
#include "skin/scheme/cool_spread.h"

namespace {

// Labels show the page behind them rather than a face of their own.
constexpr unsigned kTransparentStatic = 2;

} // namespace

bool CMixerColumn::Attach(CDialog& page, const MixerColumnIds& ids)
{
    const bool attached =
        page.AttachItem(ids.label, m_label) && page.AttachItem(ids.fader, m_fader) && page.AttachItem(ids.mute, m_mute);
    if (m_label.m_hWnd != nullptr)
        m_label.SetStyle(kTransparentStatic);
    return attached;
}

void CMixerColumn::ShowLine(const MixerLineEntry& line)
{
    if (m_label.m_hWnd != nullptr)
        m_label.SetWindowText(FieldText(line.line.szShortName).c_str());
}

void CMixerColumn::BindFader(CMixerDevice& mixer, DWORD lineId, DWORD controlId)
{
    m_fader.Bind(&mixer, lineId, controlId);
}

void CMixerColumn::BindMute(CMixerDevice& mixer, DWORD lineId, DWORD controlId, const std::string& text)
{
    m_mute.Bind(&mixer, lineId, controlId);
    if (!text.empty() && m_mute.m_hWnd != nullptr)
        m_mute.SetWindowText(text.c_str());
}

void CMixerColumn::Disable()
{
    for (CWnd* control : {static_cast<CWnd*>(&m_label), static_cast<CWnd*>(&m_fader), static_cast<CWnd*>(&m_mute)})
        if (control->m_hWnd != nullptr)
            control->EnableWindow(false);
}

void SpreadToSliders(CMixerSliderEx& fader)
{
    if (fader.m_hWnd != nullptr)
        SpreadScheme(fader.m_hWnd, fader);
}
