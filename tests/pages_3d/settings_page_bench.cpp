#include "settings_page_bench.h"

#include "app/speaker_mode.h"
#include "dialogs/settings3d_ids.h"
#include "driver/source_positions.h"
#include "positioner_ids.h"
#include "support/message_pump.h"

#include <algorithm>

void SpeakerHost::StartTestSpeaker(DWORD mask) { m_sound.StartSpeaker(mask, TRUE); }
void SpeakerHost::StopTestSpeaker(DWORD mask) { m_sound.StopSpeaker(mask, TRUE); }
void SpeakerHost::ApplySpeakerMode(DWORD config) { RunSpeakerModeSequence(m_sound, m_card, config); }

SettingsSheet::SettingsSheet(CCardMixer& card, CPageHost& host) : page(&card, &host)
{
    Construct("3D", &card);
}

namespace {

CardBenchOptions EmptyTree()
{
    CardBenchOptions options;
    options.emptyDriverTree = true;
    return options;
}

std::string TestSoundPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
    std::string folder(path);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + "NVTest.wav";
}

} // namespace

SettingsPageBench::SettingsPageBench(SimCardModel model) : bench(EmptyTree())
{
    m_installation = std::make_unique<SimSoundInstallation>(system);
    bench.Start(model);
    CCardMixer& card = bench.Mixer();
    BYTE balance[kSourcePositionCount];
    BYTE fader[kSourcePositionCount];
    for (int i = 0; i < kSourcePositionCount; ++i) {
        balance[i] = static_cast<BYTE>(i * 6);
        fader[i] = static_cast<BYTE>(127 - i * 6);
    }
    card.SetSourceSchemeFlags(kSchemeFlagsSingle, "Wide");
    card.SaveSourceScheme(balance, fader, kSourcePositionCount, "Wide");
    std::fill(balance, balance + kSourcePositionCount, BYTE(64));
    std::fill(fader, fader + kSourcePositionCount, BYTE(20));
    card.SetSourceSchemeFlags(kSchemeFlagsSingle, "Default");
    card.SaveSourceScheme(balance, fader, kSourcePositionCount, "Default");
    card.LoadSourceSchemeList(nullptr);
    m_host = std::make_unique<SpeakerHost>(sound, card);
}

SettingsPageBench::~SettingsPageBench()
{
    if (m_sheet && m_sheet->m_hWnd != nullptr)
        m_sheet->DestroyWindow();
    DrainMessages();
    m_sheet.reset();
}

bool SettingsPageBench::Open(const std::string& picture)
{
    m_host->picture = picture;
    m_sheet = std::make_unique<SettingsSheet>(bench.Mixer(), *m_host);
    if (!m_sheet->Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE))
        return false;
    DrainMessages();
    return sound.InitSoundDevice(m_sheet->m_hWnd, "Halvard 5.1+") == DS_OK &&
           sound.LoadTestSound(TestSoundPath().c_str()) == DS_OK && Page().m_hWnd != nullptr;
}

bool SettingsPageBench::Shown(int id)
{
    return (GetWindowLongA(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void SettingsPageBench::Click(int id)
{
    SendMessageA(Item(id), BM_CLICK, 0, 0);
    DrainMessages();
}

void SettingsPageBench::Choose(int comboId, int index)
{
    SendMessageA(Item(comboId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(Page().m_hWnd, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(comboId)));
    DrainMessages();
}

void SettingsPageBench::Type(const char* text)
{
    HWND combo = Item(IDC_3D_SCHEME);
    SetWindowTextA(combo, text);
    SendMessageA(Page().m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_3D_SCHEME, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
    DrainMessages();
}

POINT SettingsPageBench::Pixel(int x, int y)
{
    RECT client = {};
    GetClientRect(Item(IDC_3D_POSITIONER), &client);
    return LogicalToClient(Page().GetPositioner().GetRange(), client.right, client.bottom, {x, y});
}

void SettingsPageBench::Drag(POINT from, POINT to, int steps)
{
    HWND positioner = Item(IDC_3D_POSITIONER);
    SendMessageA(positioner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    for (int i = 1; i <= steps; ++i) {
        const int x = from.x + (to.x - from.x) * i / steps;
        const int y = from.y + (to.y - from.y) * i / steps;
        SendMessageA(positioner, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    }
    SendMessageA(positioner, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    DrainMessages();
}

DWORD SettingsPageBench::SoundingChannels()
{
    const int device = system.DeviceIndex(sound.DeviceChoice());
    if (device < 0)
        return 0;
    SimSoundOutput& output = system.Output(static_cast<size_t>(device));
    output.Clear();
    system.Render(4410);
    DWORD channels = 0;
    const std::vector<int16_t>& samples = output.Samples();
    for (size_t i = 0; i < samples.size(); ++i)
        if (samples[i] != 0)
            channels |= 1u << (i % SimSoundOutput::kChannels);
    return channels;
}

StoredScheme ReadStoredScheme(const std::string& subkey)
{
    const std::string key = std::string(kSourcePositioningKey) + "\\" + subkey;
    StoredScheme scheme;
    scheme.balance = ReadMachineValue(key, kBalanceTableValue).data;
    scheme.fader = ReadMachineValue(key, kFaderTableValue).data;
    const StoredValue flags = ReadMachineValue(key, kSchemeFlagsValue);
    if (flags.data.size() == sizeof(DWORD))
        std::copy(flags.data.begin(), flags.data.end(), reinterpret_cast<BYTE*>(&scheme.flags));
    return scheme;
}
