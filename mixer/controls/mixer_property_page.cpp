#include "mixer/controls/mixer_property_page.h"

#include <algorithm>
#include <string>

#include "mixer/controls/mixer_button.h"
#include "mixer/controls/mixer_control_ids.h"
#include "mixer/controls/mixer_mux_control.h"
#include "mixer/controls/mixer_names.h"
#include "mixer/controls/mixer_slider_ex.h"
#include "mixer/mixer_device.h"

namespace {

// Column geometry: label band, first row of switches (one more row down on lines
// with a balance slider), switch size and pitch, fader top and height per channel.
constexpr int kLabelLeft = 8;
constexpr int kLabelTop = 10;
constexpr int kLabelBottom = 30;
constexpr int kControlInset = 10;
constexpr int kSwitchTop = 190;
constexpr int kStereoSwitchShift = 30;
constexpr int kSwitchWidth = 35;
constexpr int kSwitchHeight = 20;
constexpr int kSwitchPitch = 30;
constexpr int kFaderTop = 40;
constexpr int kFaderWidth = 35;
constexpr int kFaderHeightPerChannel = 22;
constexpr int kFaderBottomBase = 168;
// The selector keeps to its own column: wider, its items would lie over the next
// column's fader and take the pointer from its thumb.
constexpr RECT kMuxRect = {10, 40, 55, 210};
// Control flag bit that keeps a control out of the columns.
constexpr DWORD kControlNotShown = 0x40000000;
// Template sizes are 16-bit.
constexpr int kLargestTemplateSize = 0x7FFF;

bool IsSwitch(DWORD type)
{
    return type == MIXERCONTROL_CONTROLTYPE_ONOFF || type == MIXERCONTROL_CONTROLTYPE_MONO ||
           type == MIXERCONTROL_CONTROLTYPE_LOUDNESS || type == MIXERCONTROL_CONTROLTYPE_BUTTON;
}

int PageWidthFor(int64_t columns)
{
    return static_cast<int>(std::clamp<int64_t>(columns * CMixerPropertyPage::kColumnWidth +
                                                    CMixerPropertyPage::kPageMargin,
                                                CMixerPropertyPage::kPageMargin, kLargestTemplateSize));
}

} // namespace

const CRuntimeClass CMixerPropertyPage::classCMixerPropertyPage("CMixerPropertyPage",
                                                              &CCoolPropertyPage::classCCoolPropertyPage,
                                                              &CreateInstance<CMixerPropertyPage>);

CMixerPropertyPage::CMixerPropertyPage() = default;

CMixerPropertyPage::~CMixerPropertyPage()
{
    DeleteControls();
}

void CMixerPropertyPage::Init(CMixerDevice* mixer, int destination)
{
    m_mixer = mixer;
    m_destination = destination;
    m_columnCount = mixer != nullptr ? std::max(mixer->GetSourceCount(destination), 0) : 0;
    m_pageWidth = PageWidthFor(m_columnCount);
    DeleteControls();
    m_template = std::make_unique<CDialogTemplate>(WS_CHILD, 0, 0, 0, static_cast<short>(GetPageWidth()),
                                                   static_cast<short>(GetPageHeight()), "A");
    ConstructIndirect(m_template->Get());
    MixerLineEntry* line = nullptr;
    if (mixer != nullptr && mixer->GetDestination(destination, line) && line != nullptr)
        SetTitle(FieldText(line->line.szName).c_str());
}

BOOL CMixerPropertyPage::OnInitDialog()
{
    CCoolPropertyPage::OnInitDialog();
    MixerLineEntry* line = nullptr;
    if (m_mixer != nullptr && m_mixer->GetDestination(m_destination, line) && line != nullptr) {
        SetWindowText(FieldText(line->line.szShortName).c_str());
        BuildColumns();
    }
    // The new controls take the page's scheme.
    SpreadScheme();
    return TRUE;
}

void CMixerPropertyPage::BuildColumns()
{
    DeleteControls();
    int column = 0;
    int built = 0;
    const int sources = m_mixer->GetSourceCount(m_destination);
    for (int source = -1; source < sources; ++source)
        if (BuildColumn(source, &column))
            ++built;
    m_columnCount = built;
    m_pageWidth = PageWidthFor(built);
    SetWindowPos(nullptr, 0, 0, m_pageWidth, kPageHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CMixerPropertyPage::BuildColumn(int source, int* column)
{
    MixerLineEntry* line = nullptr;
    if (!m_mixer->GetLine(m_destination, source, line) || line == nullptr || line->IsHidden() ||
        line->line.cControls == 0 || line->controls.empty())
        return false;
    const int x0 = kColumnWidth * *column;
    AddLabel(*line, x0);
    int x = x0 + kControlInset;
    int y = kSwitchTop;
    for (const auto& entry : line->controls) {
        MIXERCONTROLA& control = entry->control;
        if (control.fdwControl & kControlNotShown)
            continue;
        switch (control.dwControlType) {
        case MIXERCONTROL_CONTROLTYPE_MUTE:
            SetFieldText(control.szShortName, "Mute");
            AddSwitch(*line, control.dwControlID, source, x, &y);
            break;
        case MIXERCONTROL_CONTROLTYPE_VOLUME:
            AddFader(*line, control.dwControlID, source, x);
            break;
        case MIXERCONTROL_CONTROLTYPE_MUX:
            AddMux(*line, control.dwControlID);
            // The selector takes a column of its own.
            ++*column;
            x += kColumnWidth;
            break;
        default:
            if (IsSwitch(control.dwControlType))
                AddSwitch(*line, control.dwControlID, source, x, &y);
            break;
        }
    }
    ++*column;
    return true;
}

void CMixerPropertyPage::AddLabel(const MixerLineEntry& line, int x0)
{
    auto label = std::make_unique<CCoolStatic>();
    const RECT rect = {x0 + kLabelLeft, kLabelTop, x0 + kColumnWidth, kLabelBottom};
    label->Create("STATIC", FieldText(line.line.szShortName).c_str(),
                  WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, rect, m_hWnd, kPageLabelId);
    if (label->m_hWnd != nullptr)
        label->SetFont(ControlsFont(), false);
    m_labels.push_back(std::move(label));
}

void CMixerPropertyPage::AddSwitch(const MixerLineEntry& line, DWORD controlId, int source, int x, int* y)
{
    MixerControlEntry* entry = nullptr;
    const std::string text = m_mixer->FindControl(controlId, entry) ? FieldText(entry->control.szShortName) : "";
    const int top = line.line.cChannels < 2 ? *y : *y + kStereoSwitchShift;
    auto button = std::make_unique<CMixerButton>();
    button->Create("BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                   {x, top, x + kSwitchWidth, top + kSwitchHeight}, m_hWnd,
                   static_cast<UINT>(source + kPageSwitchBaseId));
    if (button->m_hWnd != nullptr)
        button->SetFont(ControlsFont(), false);
    button->Bind(m_mixer, line.line.dwLineID, controlId);
    m_buttons.push_back(std::move(button));
    *y += kSwitchPitch;
}

void CMixerPropertyPage::AddFader(const MixerLineEntry& line, DWORD volumeId, int source, int x)
{
    DWORD meterId = 0;
    for (const auto& entry : line.controls)
        if (entry->control.dwControlType == MIXERCONTROL_CONTROLTYPE_PEAKMETER) {
            meterId = entry->control.dwControlID;
            break;
        }
    const int64_t bottom = static_cast<int64_t>(kFaderHeightPerChannel) * line.line.cChannels + kFaderBottomBase;
    const RECT rect = {x, kFaderTop, x + kFaderWidth, static_cast<int>(std::min<int64_t>(bottom, kLargestTemplateSize))};
    auto slider = std::make_unique<CMixerSliderEx>(m_mixer, line.line.dwLineID, volumeId, meterId, false);
    slider->CreateEx(WS_EX_NOPARENTNOTIFY, "STATIC", "Test", WS_CHILD | WS_VISIBLE, rect, m_hWnd,
                     static_cast<UINT>(source + kPageFaderBaseId));
    if (slider->m_hWnd != nullptr)
        slider->SetFont(ControlsFont(), false);
    m_sliders.push_back(std::move(slider));
}

void CMixerPropertyPage::AddMux(const MixerLineEntry& line, DWORD controlId)
{
    auto mux = std::make_unique<CMixerMuxControl>(m_mixer, line.line.dwLineID, controlId);
    mux->Create("STATIC", "Mux", WS_CHILD | WS_VISIBLE, kMuxRect, m_hWnd, kPageMuxId);
    if (mux->m_hWnd != nullptr)
        mux->SetFont(ControlsFont(), false);
    m_muxes.push_back(std::move(mux));
}

HFONT CMixerPropertyPage::ControlsFont() const
{
    // A template without a font leaves the page with none: the sheet's is used then.
    HFONT font = GetFont();
    if (font == nullptr && GetParent() != nullptr)
        font = reinterpret_cast<HFONT>(::SendMessageA(GetParent(), WM_GETFONT, 0, 0));
    return font;
}

void CMixerPropertyPage::DeleteControls()
{
    m_labels.clear();
    m_muxes.clear();
    m_sliders.clear();
    m_buttons.clear();
}

void CMixerPropertyPage::PostNcDestroy()
{
    DeleteControls();
    CCoolPropertyPage::PostNcDestroy();
}

LRESULT CMixerPropertyPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) >= kPageIgnoredCommandFirst &&
        LOWORD(wParam) <= kPageIgnoredCommandLast)
        return 0;
    return CCoolPropertyPage::WindowProc(message, wParam, lParam);
}
