#include "controls_test_support.h"

#include <cstring>

bool RecordingMixer::SetDetails(MixerControlEntry& entry)
{
    writes.push_back({entry.control.dwControlID, std::vector<LONG>(entry.Values(), entry.Values() + entry.count)});
    return CWssMixer::SetDetails(entry);
}

size_t RecordingMixer::RegistrationCount() const
{
    size_t count = 0;
    for (const ListenerTable* table : {&m_listeners, &m_meterListeners})
        for (const auto& entry : *table)
            count += entry.second.size();
    return count;
}

namespace {

// One top-level window for the whole program: under Wine without a window manager,
// a top-level window that goes away costs two seconds; the hosts are its children.
HWND Stage()
{
    static const HWND stage = CreateWindowExA(0, "STATIC", "Stage", WS_POPUP | WS_VISIBLE, 0, 0, 500, 320, nullptr,
                                              nullptr, nullptr, nullptr);
    return stage;
}

} // namespace

HostDialog::HostDialog() : m_template(WS_CHILD | WS_VISIBLE, 0, 0, 0, 400, 260, "Host")
{
    CreateIndirect(m_template.Get(), Stage());
    SetWindowPos(nullptr, 0, 0, 500, 320, SWP_NOZORDER | SWP_NOACTIVATE);
}

HostDialog::~HostDialog()
{
    DestroyWindow();
    DrainMessages();
}

LRESULT HostDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY && lParam != 0 &&
        reinterpret_cast<const NMHDR*>(lParam)->code == NM_MIXERCHANGE)
        changes.push_back(*reinterpret_cast<const MixerChangeNotify*>(lParam));
    return CCoolDialog::WindowProc(message, wParam, lParam);
}

void ControlsTest::TearDown()
{
    m_host.reset();
    m_outside.reset();
    m_mixer.reset();
    SimCardTest::TearDown();
}

void ControlsTest::Start(const SimMixerLayout& layout)
{
    InstallLayouts({layout});
    OpenAll();
}

void ControlsTest::StartModel(SimCardModel model)
{
    InstallModel(model);
    OpenAll();
}

void ControlsTest::OpenAll()
{
    m_mixer = std::make_unique<RecordingMixer>();
    m_outside = std::make_unique<CWssMixer>();
    ASSERT_TRUE(m_mixer->Open("Halvard 5.1+", 0, 0));
    ASSERT_TRUE(m_outside->Open("Halvard 5.1+", 0, 0));
    m_host = std::make_unique<HostDialog>();
    ASSERT_NE(nullptr, m_host->m_hWnd);
}

std::vector<LONG> ControlsTest::DeviceValues(DWORD controlId)
{
    std::vector<LONG> values;
    Devices().Values(0, controlId, values);
    return values;
}

DWORD ControlsTest::LineOf(const char* shortName)
{
    for (int d = 0; d < m_mixer->GetDestinationCount(); ++d)
        for (int s = -1; s < m_mixer->GetSourceCount(d); ++s) {
            MixerLineEntry* line = nullptr;
            if (m_mixer->GetLine(d, s, line) && std::strcmp(line->line.szShortName, shortName) == 0)
                return line->line.dwLineID;
        }
    ADD_FAILURE() << "no line " << shortName;
    return 0;
}

DWORD ControlsTest::ControlOf(const char* shortName, DWORD type)
{
    MixerLineEntry* line = nullptr;
    if (m_mixer->FindLine(LineOf(shortName), line))
        for (const auto& control : line->controls)
            if (control->control.dwControlType == type)
                return control->control.dwControlID;
    ADD_FAILURE() << "no control " << std::hex << type << " on " << shortName;
    return 0;
}

SimControl FaderControl(LONG minimum, LONG maximum, DWORD steps)
{
    SimControl control = SimVolume();
    control.minimum = minimum;
    control.maximum = maximum;
    control.steps = steps;
    control.initial = minimum;
    return control;
}

SimLine LineWith(const char* name, DWORD channels, std::vector<SimControl> controls)
{
    SimLine line;
    line.shortName = name;
    line.name = name;
    line.channels = channels;
    line.controls = std::move(controls);
    return line;
}

SimMixerLayout PlaybackLayout(std::vector<SimLine> sources)
{
    SimMixerLayout layout;
    SimDestination playback;
    playback.line = LineWith("Volume", 2, {SimVolume()});
    playback.line.name = "Volume Control";
    playback.line.componentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    playback.sources = std::move(sources);
    layout.destinations.push_back(playback);
    AssignControlIds(layout);
    return layout;
}
