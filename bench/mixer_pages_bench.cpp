// The Playback, Sources and Record pages on the simulated card (six-channel, or the
// model given as the first argument): the time of a page's first activation (its
// dialog built, its columns bound, everything painted) and of a switch to it once
// built (activated and painted again). Medians over several fresh sheets.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "driver/card_mixer.h"
#include "mixer/controls/mixer_property_sheet.h"
#include "pages/nvp4_page_playback.h"
#include "pages/nvp4_page_record.h"
#include "pages/nvp51_page_play_in.h"
#include "platform/dialog_template.h"
#include "simcard/sim_card.h"
#include "simcard/sim_card_switch.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 9;
constexpr int kSwitches = 20;

double Milliseconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void DrainMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The page the sheet opens on, so that every measured page is activated by a switch.
class BlankPage : public CCoolPropertyPage {
public:
    BlankPage() : m_template(WS_CHILD | WS_CAPTION, 0, 0, 0, 100, 100, "Blank") { ConstructIndirect(m_template.Get()); }

private:
    CDialogTemplate m_template;
};

class BenchSheet : public CMixerPropertySheet {
public:
    BenchSheet(CCardMixer* card, HWND stage) : m_playback(card, nullptr), m_sources(card, nullptr), m_record(card, nullptr)
    {
        m_six = card->SixChannelCapable() != 0;
        Construct("Pages", card);
        Create(stage, WS_CHILD | WS_VISIBLE);
        DrainMessages();
    }
    ~BenchSheet() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
        DrainMessages();
    }
    bool AddMixerPages() override
    {
        return AddPage(&m_blank) && AddPage(&m_playback) && (!m_six || AddPage(&m_sources)) && AddPage(&m_record);
    }
    std::vector<std::string> Names() const
    {
        if (m_six)
            return {"Playback", "Sources", "Record"};
        return {"Playback", "Record"};
    }
    // Activates a page and paints everything that needs it; the time of both and
    // of the painting alone.
    double Show(int page, double* painting = nullptr)
    {
        const auto start = Clock::now();
        SetActivePage(page);
        const auto shown = Clock::now();
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        DrainMessages();
        const auto end = Clock::now();
        if (painting != nullptr)
            *painting = Milliseconds(shown, end);
        return Milliseconds(start, end);
    }

private:
    bool m_six = false;
    BlankPage m_blank;
    CNVP4PagePlayback m_playback;
    CNVP51PagePlayIn m_sources;
    CNVP4PageRecord m_record;
};

} // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    const std::string model = argc > 1 ? argv[1] : "six";
    SetEnvironmentVariableA("HALVARD_SIMCARD", model.c_str());
    SimCard::Instance().MixerDevices().Store().SetKey(""); // nothing written to the registry
    if (!InstallSimulatedCardFromEnvironment()) {
        std::printf("unknown card model %s (six, four or stereo)\n", model.c_str());
        return 1;
    }
    CCardMixer card;
    if (card.OpenCard("Halvard 5.1+") != 1) {
        std::printf("the simulated card did not open\n");
        return 1;
    }
    const HWND stage = CreateWindowExA(0, "STATIC", "Stage", WS_POPUP | WS_VISIBLE, 0, 0, 900, 600, nullptr, nullptr,
                                       nullptr, nullptr);
    std::vector<std::vector<double>> first;
    std::vector<std::vector<double>> firstPaint;
    std::vector<std::vector<double>> switches;
    std::vector<std::string> names;
    for (int round = 0; round < kRounds; ++round) {
        BenchSheet sheet(&card, stage);
        names = sheet.Names();
        first.resize(names.size());
        firstPaint.resize(names.size());
        switches.resize(names.size());
        for (size_t page = 0; page < names.size(); ++page) {
            double painting = 0;
            first[page].push_back(sheet.Show(static_cast<int>(page) + 1, &painting));
            firstPaint[page].push_back(painting);
        }
        // Switches between built pages: to each from the one before it.
        for (int turn = 0; turn < kSwitches / static_cast<int>(names.size()) + 1; ++turn)
            for (size_t page = 0; page < names.size(); ++page)
                switches[page].push_back(sheet.Show(static_cast<int>(page) + 1));
    }
    std::printf("mixer pages on the simulated %s card, medians of %d sheets (goals: first activation < 50 ms, switch < 10 ms)\n",
                model.c_str(), kRounds);
    for (size_t page = 0; page < names.size(); ++page)
        std::printf("  %-9s first activation %7.2f ms (painting %6.2f ms)   switch %7.2f ms\n", names[page].c_str(),
                    Median(first[page]), Median(firstPaint[page]), Median(switches[page]));
    DestroyWindow(stage);
    return 0;
}
