#include "pages_test_support.h"

#include <map>

#include "driver/card_mixer.h"
#include "simcard/sim_card.h"

namespace {

// A child of one top-level window kept for the whole program: under Wine without
// a window manager, every top-level window that goes away costs two seconds.
constexpr DWORD kSheetStyle = WS_CHILD | WS_VISIBLE;

HWND Stage()
{
    static const HWND stage = CreateWindowExA(0, "STATIC", "Stage", WS_POPUP | WS_VISIBLE, 0, 0, 800, 500, nullptr,
                                              nullptr, nullptr, nullptr);
    return stage;
}

CardBenchOptions PagesBench()
{
    CardBenchOptions options;
    options.mixerStoreKey = "Software\\Halvard Tests\\Pages Store";
    options.system = SimSystem::WindowsXp;
    return options;
}

SystemVersion g_played;

BOOL WINAPI PlayedVersion(LPOSVERSIONINFOA version)
{
    if (version == nullptr)
        return FALSE;
    version->dwMajorVersion = g_played.major;
    version->dwMinorVersion = g_played.minor;
    version->dwPlatformId = g_played.platform;
    return TRUE;
}

} // namespace

PageSheet::PageSheet(CMixerDevice* mixer, std::vector<CCoolPropertyPage*> pages) : m_pages(std::move(pages))
{
    Construct("Pages", mixer);
    EXPECT_TRUE(Create(Stage(), kSheetStyle));
}

PageSheet::~PageSheet()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    DrainMessages();
}

bool PageSheet::AddMixerPages()
{
    for (CCoolPropertyPage* page : m_pages)
        if (!AddPage(page))
            return false;
    return true;
}

PlayedSystem::PlayedSystem(const SystemVersion& version)
{
    g_played = version;
    SetSystemFunctions({&PlayedVersion, WindowsSystemFunctions().getSystemDirectory});
}

PlayedSystem::~PlayedSystem() { RestoreWindowsSystemFunctions(); }

PagesTest::PagesTest() : m_bench(PagesBench()) {}

void PagesTest::Start(SimCardModel model, const LayoutChange& change, SimControlNumbering numbering)
{
    m_bench.Install(model);
    SimMixerLayout layout = MixerLayoutForModel(model, numbering);
    if (change)
        change(layout);
    AssignControlIds(layout);
    SimCard::Instance().InstallMixers(model, {layout});
    ASSERT_TRUE(m_bench.Open());
}

DWORD PagesTest::LineId(int destination, int source)
{
    MixerLineEntry* line = nullptr;
    EXPECT_TRUE(Card().GetLine(destination, source, line)) << destination << "/" << source;
    return line != nullptr ? line->line.dwLineID : 0xDEADu;
}

DWORD PagesTest::ControlId(int destination, int source, int control)
{
    MixerControlEntry* entry = nullptr;
    EXPECT_TRUE(Card().GetControl(destination, source, control, entry)) << destination << "/" << source << "/" << control;
    return entry != nullptr ? entry->control.dwControlID : 0xDEADu;
}

std::vector<LONG> PagesTest::DeviceValues(DWORD controlId)
{
    std::vector<LONG> values;
    SimCard::Instance().MixerDevices().Values(0, controlId, values);
    return values;
}

std::map<DWORD, std::vector<LONG>> PagesTest::Snapshot(int destination)
{
    std::map<DWORD, std::vector<LONG>> values;
    for (int source = -1; source < Card().GetSourceCount(destination); ++source) {
        MixerLineEntry* line = nullptr;
        if (!Card().GetLine(destination, source, line))
            continue;
        for (const auto& control : line->controls)
            if (!IsMeterControlType(control->control.dwControlType))
                values[control->control.dwControlID] = DeviceValues(control->control.dwControlID);
    }
    return values;
}

std::string TextOf(HWND window)
{
    char text[256] = "";
    if (window != nullptr)
        GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string TextOf(const CWnd& window) { return TextOf(window.m_hWnd); }

bool IsEnabled(const CWnd& window) { return window.m_hWnd != nullptr && IsWindowEnabled(window.m_hWnd) != FALSE; }
