// The Digital page on the simulated card: the status words it shows, the input
// radios with the routes the driver makes, the status timer, the output source
// and its copy bit, and the input's volume and mute bound to the mixer.
#include <windows.h>

#include <memory>
#include <string>

#include "card_pages_fixture.h"
#include "dialogs/digital_ids.h"
#include "driver/card_requests.h"
#include "driver/spdif_settings.h"
#include "pages/nvp4_page_digital.h"
#include "pages/spdif_status_text.h"
#include "platform/resource_string.h"
#include "simcard/sim_driver.h"
#include "string_ids.h"

namespace {

constexpr int kStatusIds[] = {IDC_SPDIF_RATE, IDC_SPDIF_COPY, IDC_SPDIF_EMPHASIS};
constexpr int kStatusFrameIds[] = {IDC_SPDIF_RATE_FRAME, IDC_SPDIF_COPY_FRAME, IDC_SPDIF_EMPHASIS_FRAME};

TEST(SpdifStatusTexts, StatusWordsBecomeTheThreeTexts)
{
    const std::string none = LoadResourceString(IDS_SPDIF_STATUS_NONE);
    const std::string active = LoadResourceString(IDS_SPDIF_STATUS_ACTIVE);
    const struct {
        bool read;
        DWORD status;
        std::string rate, copy, emphasis;
    } cases[] = {
        {true, (44100u << 12) | 1, "44kHz", none, none},
        {true, (48000u << 12) | 1 | 0x10, "48kHz", active, none},
        {true, (32000u << 12) | 1 | 0x100, "32kHz", none, active},
        {true, (44600u << 12) | 1 | 0x110, "45kHz", active, active},
        {true, (48000u << 12) | 0x110, LoadResourceString(IDS_SPDIF_STATUS_NO_INPUT), none, none},
        {false, (48000u << 12) | 1, LoadResourceString(IDS_SPDIF_STATUS_ERROR), none, none},
    };
    for (const auto& c : cases) {
        const SpdifStatusTexts texts = SpdifStatusTextsFor(c.read, c.status);
        EXPECT_EQ(c.rate, texts.rate) << std::hex << c.status;
        EXPECT_EQ(c.copy, texts.copyBit) << std::hex << c.status;
        EXPECT_EQ(c.emphasis, texts.preemphasis) << std::hex << c.status;
    }
    EXPECT_EQ("--- No Input ---", LoadResourceString(IDS_SPDIF_STATUS_NO_INPUT));
    EXPECT_EQ("S/PDIF Error!", LoadResourceString(IDS_SPDIF_STATUS_ERROR));
}

class DigitalPageTest : public CardPagesTest {
protected:
    // The card starts with the input in that mode and the output fed by that source.
    void Start(DWORD inputMode, DWORD outputSource = kSpdifOutputMainMix)
    {
        WriteMachineNumber(kSpdifKey, kSpdifInputModeValue, inputMode, REG_BINARY);
        WriteMachineNumber(kSpdifKey, kSpdifOutputSourceValue, outputSource, REG_BINARY);
        WriteMachineNumber(kSpdifKey, kSpdifCopyPermittedValue, 1, REG_BINARY);
        ASSERT_TRUE(bench.Start(SimCardModel::Six));
        m_page = std::make_unique<CNVP4PageDigital>(&bench.Mixer(), nullptr);
        ShowPages(*m_page, &blank);
        bench.Driver().ClearLog();
    }
    CNVP4PageDigital& Page() { return *m_page; }
    std::string Status(int i) { return TextOf(Page(), kStatusIds[i]); }
    // Which of Always on, Automatic sensing, Off is checked.
    std::string InputRadios()
    {
        return std::string(IsChecked(Page(), IDC_SPDIF_IN_ON) ? "on " : "") +
               (IsChecked(Page(), IDC_SPDIF_IN_AUTO) ? "auto " : "") + (IsChecked(Page(), IDC_SPDIF_IN_OFF) ? "off" : "");
    }

    BlankPage blank;

private:
    std::unique_ptr<CNVP4PageDigital> m_page;
};

TEST_F(DigitalPageTest, TheInputShowsItsStatusAndGoingOffClearsItAndStopsTheTimer)
{
    Start(kSpdifInputOn);
    bench.Driver().State().spdif.inputRate = 44100;
    EXPECT_EQ("on ", InputRadios());
    EXPECT_TRUE(Page().IsStatusTimerRunning());
    bench.Driver().State().spdif.inputCopyBit = true;
    Page().TickStatus();
    EXPECT_EQ("44kHz", Status(0));
    EXPECT_EQ(LoadResourceString(IDS_SPDIF_STATUS_ACTIVE), Status(1));
    EXPECT_EQ("---", Status(2));
    // The status also comes by the timer, once a second.
    bench.Driver().ClearLog();
    PumpFor(1300);
    EXPECT_GE(bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_SPDIF_INPUT_STATUS), 1);

    bench.Driver().State().spdif.inputPresent = false;
    Page().TickStatus();
    EXPECT_EQ("--- No Input ---", Status(0));
    bench.Driver().FailRequest(IOCTL_CARD_COMMAND, CMD_SPDIF_INPUT_STATUS, kSimStatusInvalidRequest);
    Page().TickStatus();
    EXPECT_EQ("S/PDIF Error!", Status(0));
    EXPECT_EQ("---", Status(1));
    bench.Driver().ClearFaults();

    bench.Driver().ClearLog();
    Click(Page(), IDC_SPDIF_IN_OFF);
    EXPECT_EQ("off", InputRadios());
    EXPECT_EQ(0u, bench.Mixer().GetSpdifInputMode());
    EXPECT_EQ(1, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_SPDIF_DISCONNECT));
    EXPECT_TRUE(bench.Driver().State().spdif.routes.empty() ||
                bench.Driver().State().spdif.routes[0].source != EP_SPDIF_IN);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ("", Status(i)) << i;
        EXPECT_FALSE(IsEnabled(Page(), kStatusIds[i]));
        EXPECT_FALSE(IsEnabled(Page(), kStatusFrameIds[i]));
    }
    EXPECT_FALSE(Page().IsStatusTimerRunning());
    bench.Driver().ClearLog();
    PumpFor(1300);
    EXPECT_EQ(0, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_SPDIF_INPUT_STATUS));

    // Sensing: stop, connect with sensing; the status comes back.
    Click(Page(), IDC_SPDIF_IN_AUTO);
    EXPECT_EQ("auto ", InputRadios());
    EXPECT_EQ(1, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_SPDIF_CONNECT_SENSING));
    EXPECT_TRUE(IsEnabled(Page(), IDC_SPDIF_RATE));
    EXPECT_TRUE(Page().IsStatusTimerRunning());
}

TEST_F(DigitalPageTest, AnInputThatStartsOffRunsNoTimerAndARefusedConnectEndsOff)
{
    Start(kSpdifInputOff);
    EXPECT_EQ("off", InputRadios());
    EXPECT_FALSE(Page().IsStatusTimerWanted());
    EXPECT_FALSE(IsEnabled(Page(), IDC_SPDIF_RATE));

    bench.Driver().FailRequest(IOCTL_CARD_COMMAND, CMD_SPDIF_CONNECT, kSimStatusInvalidRequest);
    Click(Page(), IDC_SPDIF_IN_ON);
    EXPECT_EQ(1, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_SPDIF_CONNECT));
    EXPECT_EQ("off", InputRadios());
    EXPECT_EQ(0u, bench.Mixer().GetSpdifInputMode());
    EXPECT_EQ(0u, ReadMachineValue(kSpdifKey, kSpdifInputModeValue).data.at(0));
    EXPECT_FALSE(Page().IsStatusTimerWanted());
}

TEST_F(DigitalPageTest, OutputSourcesAndTheCopyBitBox)
{
    Start(kSpdifInputOn);
    EXPECT_TRUE(IsChecked(Page(), IDC_SPDIF_OUT_MIX));
    EXPECT_EQ(LoadResourceString(IDS_SPDIF_OUT_DIGITAL_MIX) + " / DVD", TextOf(Page(), IDC_SPDIF_OUT_MIX));
    EXPECT_FALSE(IsWindowVisible(Page().GetDlgItem(IDC_SPDIF_OUT_DVD)));
    EXPECT_FALSE(IsWindowVisible(Page().GetDlgItem(IDC_SPDIF_OUT_EMPHASIS)));
    EXPECT_FALSE(IsWindowVisible(Page().GetDlgItem(IDC_SPDIF_UNUSED_LEFT)));
    // Copying permitted: the copyright bit is clear.
    EXPECT_TRUE(IsEnabled(Page(), IDC_SPDIF_OUT_COPY_BIT));
    EXPECT_FALSE(IsChecked(Page(), IDC_SPDIF_OUT_COPY_BIT));
    Click(Page(), IDC_SPDIF_OUT_COPY_BIT);
    EXPECT_EQ(0u, bench.Mixer().GetSpdifCopyPermitted());
    EXPECT_EQ(1u, bench.Driver().State().spdif.copyPermitted); // sent as setting + 1

    // The input passed through: the box shows the incoming bit and cannot be changed.
    bench.Driver().State().spdif.inputCopyBit = false;
    Page().TickStatus();
    bench.Driver().ClearLog();
    Click(Page(), IDC_SPDIF_OUT_DIRECT);
    EXPECT_EQ(2u, bench.Mixer().GetSpdifOutputSource());
    const SimDriverRequest& disconnect = bench.Driver().Log().at(0);
    EXPECT_EQ(CMD_SPDIF_DISCONNECT, disconnect.code);
    EXPECT_EQ(EP_MAIN_MIX, disconnect.arguments[0]);
    EXPECT_TRUE(IsChecked(Page(), IDC_SPDIF_OUT_DIRECT));
    EXPECT_FALSE(IsChecked(Page(), IDC_SPDIF_OUT_MIX));
    EXPECT_FALSE(IsEnabled(Page(), IDC_SPDIF_OUT_COPY_BIT));
    EXPECT_TRUE(IsChecked(Page(), IDC_SPDIF_OUT_COPY_BIT));
    bench.Driver().State().spdif.inputCopyBit = true;
    Page().TickStatus();
    Sheet().RefreshPages();
    EXPECT_FALSE(IsChecked(Page(), IDC_SPDIF_OUT_COPY_BIT));

    // A source the driver refuses falls back to the DVD stream, shown on the hidden radio.
    bench.Driver().State().spdif.refusedSources.push_back(EP_MAIN_MIX);
    Click(Page(), IDC_SPDIF_OUT_MIX);
    EXPECT_EQ(3u, bench.Mixer().GetSpdifOutputSource());
    EXPECT_FALSE(IsChecked(Page(), IDC_SPDIF_OUT_MIX));
    EXPECT_TRUE(IsChecked(Page(), IDC_SPDIF_OUT_DVD));
    Click(Page(), IDC_SPDIF_OUT_OFF);
    EXPECT_EQ(0u, bench.Mixer().GetSpdifOutputSource());
    EXPECT_EQ(0u, ReadMachineValue(kSpdifKey, kSpdifOutputSourceValue).data.at(0));
}

TEST_F(DigitalPageTest, VolumeAndMuteAreBoundToTheSpdifInputLine)
{
    Start(kSpdifInputOff);
    // Source 11 of the six-channel card's playback destination.
    MixerLineEntry* line = nullptr;
    ASSERT_TRUE(bench.Mixer().GetLine(0, 11, line));
    ASSERT_EQ(static_cast<DWORD>(MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED), line->line.dwComponentType);
    EXPECT_EQ(line->line.dwLineID, Page().InputVolume().LineId());
    EXPECT_EQ(line->controls[0]->control.dwControlID, Page().InputVolume().ControlId());
    EXPECT_EQ(line->controls[1]->control.dwControlID, Page().InputMute().ControlId());
    EXPECT_EQ(LoadResourceString(IDS_MUTE), TextOf(Page(), IDC_SPDIF_IN_MUTE));
    ASSERT_NE(nullptr, Page().InputVolume().GetFirstSlider());

    // A mute made elsewhere shows on the page.
    bench.Mixer().SetBooleanAll(Page().InputMute().ControlId(), 1);
    PumpUntil([&] { return IsChecked(Page(), IDC_SPDIF_IN_MUTE); }, 1000);
    EXPECT_TRUE(IsChecked(Page(), IDC_SPDIF_IN_MUTE));
}

} // namespace
