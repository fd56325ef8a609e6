#pragma once
// What the tests of the mixer pages share: the card (CCardMixer on the simulated
// card of a model, its mixer layout replaced where a test needs another), a
// skinned sheet that shows the pages under test, and a played system version.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "mixer/controls/mixer_property_sheet.h"
#include "platform/system_version.h"
#include "simcard/sim_mixer_layout.h"
#include "skin/containers/cool_property_page.h"
#include "support/card_bench.h"
#include "support/message_pump.h"

// A sheet holding the given pages, created at once (modeless, top-level).
class PageSheet : public CMixerPropertySheet {
public:
    PageSheet(CMixerDevice* mixer, std::vector<CCoolPropertyPage*> pages);
    ~PageSheet() override;
    bool AddMixerPages() override;

private:
    std::vector<CCoolPropertyPage*> m_pages;
};

// Plays a system version through the system seam while it lives.
class PlayedSystem {
public:
    explicit PlayedSystem(const SystemVersion& version);
    ~PlayedSystem();
    PlayedSystem(const PlayedSystem&) = delete;
    PlayedSystem& operator=(const PlayedSystem&) = delete;
};

using LayoutChange = std::function<void(SimMixerLayout&)>;

class PagesTest : public testing::Test {
protected:
    PagesTest();
    // The card of a model; its mixer has the model's layout in that numbering,
    // changed by the given function first.
    void Start(SimCardModel model, const LayoutChange& change = nullptr,
               SimControlNumbering numbering = SimControlNumbering::WindowsXp);
    CCardMixer& Card() { return m_bench.Mixer(); }
    CardBench& Bench() { return m_bench; }

    // The line and control of the model: IDs by destination, source (-1: the
    // destination line) and control index.
    DWORD LineId(int destination, int source);
    DWORD ControlId(int destination, int source, int control);
    // Every value the simulated device holds for a control.
    std::vector<LONG> DeviceValues(DWORD controlId);
    // The device values of every control (meters aside) of a destination's lines.
    std::map<DWORD, std::vector<LONG>> Snapshot(int destination);

private:
    CardBench m_bench;
};

std::string TextOf(HWND window);
std::string TextOf(const CWnd& window);
bool IsEnabled(const CWnd& window);
