// S/PDIF routing, channel status and input status on the simulated card.
#include "card_settings_fixture.h"

#include "driver/spdif_settings.h"
#include "simcard/sim_spdif_routes.h"

namespace {

struct ExpectedCommand {
    DWORD command;
    DWORD first;
    DWORD second;
};

void ExpectCommands(const std::vector<SimDriverRequest>& sent,
                    const std::vector<ExpectedCommand>& expected)
{
    ASSERT_EQ(expected.size(), sent.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].command, sent[i].code) << "command " << i;
        EXPECT_EQ(expected[i].first, sent[i].arguments[0]) << "command " << i;
        EXPECT_EQ(expected[i].second, sent[i].arguments[1]) << "command " << i;
    }
}

using SpdifTest = CardSettingsTest;

TEST_F(SpdifTest, StartUpLoadsDefaultsReadsTheInputAndRoutesNothing)
{
    InstallAndOpen();
    EXPECT_EQ(kSpdifInputOff, Mixer().GetSpdifInputMode());
    EXPECT_EQ(kSpdifOutputMainMix, Mixer().GetSpdifOutputSource());
    EXPECT_EQ(1u, Mixer().GetSpdifCopyPermitted());
    EXPECT_EQ(1, Mixer().IsSpdifSourceMainMix());
    EXPECT_EQ(kSpdifSignalPresent | (48000u << kSpdifRateShift), Mixer().GetSpdifInputStatus());
    std::vector<SimDriverRequest> spdifCommands;
    for (const SimDriverRequest& command : Commands()) {
        if ((command.code >> 16) == (CMD_SPDIF_CONNECT >> 16))
            spdifCommands.push_back(command);
    }
    ExpectCommands(spdifCommands, {{CMD_SPDIF_INPUT_STATUS, EP_SPDIF_IN, EP_MAIN_MIX}});
    // Nothing is stored until the teardown writes the values back.
    EXPECT_FALSE(HasValue(kSpdifKey, kSpdifOutputSourceValue));
    Close();
    DWORD mode = 9, source = 9, copy = 9;
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifInputModeValue, mode));
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifOutputSourceValue, source));
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifCopyPermittedValue, copy));
    EXPECT_EQ(0u, mode);
    EXPECT_EQ(1u, source);
    EXPECT_EQ(1u, copy);
}

TEST_F(SpdifTest, TeardownWritesBackWhatWasReachedAndNothingWithoutACard)
{
    WriteNumber(kSpdifKey, kSpdifInputModeValue, kSpdifInputOn);
    WriteNumber(kSpdifKey, kSpdifOutputSourceValue, kSpdifOutputSoftwareDvd);
    WriteNumber(kSpdifKey, kSpdifCopyPermittedValue, 0);
    Install(SimCardModel::Six);
    Driver().SetCardCount(0);
    Close();
    DWORD mode = 0, source = 0, copy = 1;
    // A panel that never opened the card keeps the user's values.
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifInputModeValue, mode));
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifOutputSourceValue, source));
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifCopyPermittedValue, copy));
    EXPECT_EQ(kSpdifInputOn, mode);
    EXPECT_EQ(kSpdifOutputSoftwareDvd, source);
    EXPECT_EQ(0u, copy);

    InstallAndOpen();
    EXPECT_EQ(kSpdifInputOn, Mixer().GetSpdifInputMode());
    EXPECT_EQ(kSpdifOutputSoftwareDvd, Mixer().GetSpdifOutputSource());
    Mixer().SetSpdifCopyPermitted(1);
    Mixer().SetSpdifOutputSource(kSpdifOutputMainMix);
    DeleteValue(kSpdifKey, kSpdifInputModeValue);
    DeleteValue(kSpdifKey, kSpdifOutputSourceValue);
    DeleteValue(kSpdifKey, kSpdifCopyPermittedValue);
    Close();
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifInputModeValue, mode));
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifOutputSourceValue, source));
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifCopyPermittedValue, copy));
    EXPECT_EQ(kSpdifInputOn, mode);
    EXPECT_EQ(kSpdifOutputMainMix, source);
    EXPECT_EQ(1u, copy);
}

TEST_F(SpdifTest, InputModeChangesStopTheOldModeBeforeStartingTheNew)
{
    WriteNumber(kSpdifKey, kSpdifInputModeValue, kSpdifInputSensing);
    Install(SimCardModel::Six);
    Driver().State().spdif.sensing = true;
    Open();
    Driver().ClearLog();

    Mixer().SetSpdifInputMode(kSpdifInputOn);
    ExpectCommands(Commands(), {{CMD_SPDIF_STOP_SENSING, EP_SPDIF_IN, EP_MAIN_MIX},
                                {CMD_SPDIF_DISCONNECT, EP_SPDIF_IN, EP_MAIN_MIX},
                                {CMD_SPDIF_CONNECT, EP_SPDIF_IN, EP_MAIN_MIX}});
    EXPECT_FALSE(Driver().State().spdif.sensing);
    EXPECT_TRUE(IsSpdifInputConnected(Driver().State().spdif));
    DWORD stored = 0;
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifInputModeValue, stored));
    EXPECT_EQ(kSpdifInputOn, stored);

    // The same mode again: nothing sent, nothing written.
    Driver().ClearLog();
    DeleteValue(kSpdifKey, kSpdifInputModeValue);
    Mixer().SetSpdifInputMode(kSpdifInputOn);
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(HasValue(kSpdifKey, kSpdifInputModeValue));

    Driver().ClearLog();
    Mixer().SetSpdifInputMode(kSpdifInputSensing);
    ExpectCommands(Commands(), {{CMD_SPDIF_DISCONNECT, EP_SPDIF_IN, EP_MAIN_MIX},
                                {CMD_SPDIF_CONNECT_SENSING, EP_SPDIF_IN, EP_MAIN_MIX}});
    EXPECT_EQ(kSpdifSensingInterval, Commands()[1].arguments[2]);
    EXPECT_TRUE(Driver().State().spdif.sensing);
    EXPECT_FALSE(IsSpdifInputConnected(Driver().State().spdif));
}

TEST_F(SpdifTest, InputFailuresKeepTheOldRoutingOrEndOff)
{
    WriteNumber(kSpdifKey, kSpdifInputModeValue, kSpdifInputOn);
    Install(SimCardModel::Six);
    Driver().State().spdif.routes.push_back({EP_SPDIF_IN, EP_MAIN_MIX});
    Open();

    // A failed disconnect: routing, memory and registry as they were.
    Driver().FailRequest(IOCTL_CARD_COMMAND, CMD_SPDIF_DISCONNECT, kSimStatusInvalidParameter);
    Mixer().SetSpdifInputMode(kSpdifInputOff);
    EXPECT_EQ(kSpdifInputOn, Mixer().GetSpdifInputMode());
    EXPECT_TRUE(IsSpdifInputConnected(Driver().State().spdif));
    DWORD stored = 0;
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifInputModeValue, stored));
    EXPECT_EQ(kSpdifInputOn, stored);

    // A failed connect leaves the input off.
    Driver().ClearFaults();
    Driver().FailRequest(IOCTL_CARD_COMMAND, CMD_SPDIF_CONNECT_SENSING, kSimStatusInvalidParameter);
    Mixer().SetSpdifInputMode(kSpdifInputSensing);
    EXPECT_EQ(kSpdifInputOff, Mixer().GetSpdifInputMode());
    EXPECT_FALSE(IsSpdifInputConnected(Driver().State().spdif));
    EXPECT_FALSE(Driver().State().spdif.sensing);
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifInputModeValue, stored));
    EXPECT_EQ(kSpdifInputOff, stored);

    // An unknown mode is taken as off, not stored as it is.
    Driver().ClearFaults();
    Mixer().SetSpdifInputMode(kSpdifInputOn);
    Mixer().SetSpdifInputMode(7);
    EXPECT_EQ(kSpdifInputOff, Mixer().GetSpdifInputMode());
    EXPECT_FALSE(IsSpdifInputConnected(Driver().State().spdif));
}

TEST_F(SpdifTest, OutputSourceIsDisconnectedThenConnected)
{
    WriteNumber(kSpdifKey, kSpdifOutputSourceValue, kSpdifOutputInput);
    Install(SimCardModel::Six);
    Driver().State().spdif.routes.push_back({EP_SPDIF_IN, EP_SPDIF_OUT});
    Open();
    Driver().ClearLog();

    Mixer().SetSpdifOutputSource(kSpdifOutputMainMix);
    ExpectCommands(Commands(), {{CMD_SPDIF_DISCONNECT, EP_SPDIF_IN, EP_SPDIF_OUT},
                                {CMD_SPDIF_CONNECT, EP_MAIN_MIX, EP_SPDIF_OUT}});
    EXPECT_EQ(EP_MAIN_MIX, SpdifOutputFeed(Driver().State().spdif));
    EXPECT_EQ(kSpdifOutputMainMix, Mixer().GetSpdifOutputSource());
    DWORD stored = 0;
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifOutputSourceValue, stored));
    EXPECT_EQ(kSpdifOutputMainMix, stored);

    Driver().ClearLog();
    DeleteValue(kSpdifKey, kSpdifOutputSourceValue);
    Mixer().SetSpdifOutputSource(kSpdifOutputMainMix);
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(HasValue(kSpdifKey, kSpdifOutputSourceValue));

    // Off disconnects and connects nothing; a failed disconnect changes nothing.
    Driver().FailRequest(IOCTL_CARD_COMMAND, CMD_SPDIF_DISCONNECT, kSimStatusInvalidParameter);
    Mixer().SetSpdifOutputSource(kSpdifOutputOff);
    EXPECT_EQ(kSpdifOutputMainMix, Mixer().GetSpdifOutputSource());
    EXPECT_EQ(EP_MAIN_MIX, SpdifOutputFeed(Driver().State().spdif));
    EXPECT_FALSE(HasValue(kSpdifKey, kSpdifOutputSourceValue));
    Driver().ClearFaults();
    Mixer().SetSpdifOutputSource(kSpdifOutputOff);
    EXPECT_EQ(0u, SpdifOutputFeed(Driver().State().spdif));
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifOutputSourceValue, stored));
    EXPECT_EQ(kSpdifOutputOff, stored);
}

TEST_F(SpdifTest, FailedOutputConnectFallsBackToTheDvdStreamThenOff)
{
    WriteNumber(kSpdifKey, kSpdifOutputSourceValue, kSpdifOutputOff);
    Install(SimCardModel::Six);
    Driver().State().spdif.refusedSources = {EP_SPDIF_IN};
    Open();
    Driver().ClearLog();
    Mixer().SetSpdifOutputSource(kSpdifOutputInput);
    ExpectCommands(Commands(), {{CMD_SPDIF_CONNECT, EP_SPDIF_IN, EP_SPDIF_OUT},
                                {CMD_SPDIF_CONNECT, EP_SOFTWARE_DVD, EP_SPDIF_OUT}});
    EXPECT_EQ(kSpdifOutputSoftwareDvd, Mixer().GetSpdifOutputSource());
    EXPECT_EQ(EP_SOFTWARE_DVD, SpdifOutputFeed(Driver().State().spdif));
    DWORD stored = 0;
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifOutputSourceValue, stored));
    EXPECT_EQ(kSpdifOutputSoftwareDvd, stored);

    Driver().State().spdif.refusedSources = {EP_MAIN_MIX, EP_SOFTWARE_DVD};
    Mixer().SetSpdifOutputSource(kSpdifOutputMainMix);
    EXPECT_EQ(kSpdifOutputOff, Mixer().GetSpdifOutputSource());
    EXPECT_EQ(0u, SpdifOutputFeed(Driver().State().spdif));
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifOutputSourceValue, stored));
    EXPECT_EQ(kSpdifOutputOff, stored);

    // A connect the driver fails outright ends off as well.
    Driver().State().spdif.refusedSources.clear();
    Driver().FailRequest(IOCTL_CARD_COMMAND, CMD_SPDIF_CONNECT, kSimStatusInvalidParameter);
    Mixer().SetSpdifOutputSource(kSpdifOutputMainMix);
    EXPECT_EQ(kSpdifOutputOff, Mixer().GetSpdifOutputSource());
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifOutputSourceValue, stored));
    EXPECT_EQ(kSpdifOutputOff, stored);

    // An unknown source is off.
    Driver().ClearFaults();
    Mixer().SetSpdifOutputSource(kSpdifOutputMainMix);
    Mixer().SetSpdifOutputSource(12);
    EXPECT_EQ(kSpdifOutputOff, Mixer().GetSpdifOutputSource());
    EXPECT_EQ(0u, SpdifOutputFeed(Driver().State().spdif));
}

TEST_F(SpdifTest, ChannelStatusBitsAndTheCopyBitShown)
{
    InstallAndOpen();
    Driver().ClearLog();
    Mixer().SetSpdifCopyPermitted(0);
    EXPECT_EQ(1u, Driver().State().spdif.copyPermitted); // setting + 1
    EXPECT_EQ(1u, Driver().State().spdif.preEmphasis);
    Mixer().SetSpdifPreemphasis(1);
    EXPECT_EQ(2u, Driver().State().spdif.preEmphasis);
    Mixer().SetSpdifPreemphasis(1);
    Mixer().SetSpdifCopyPermitted(0);
    EXPECT_EQ(2, Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_SPDIF_CHANNEL_STATUS));
    DWORD stored = 9;
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifCopyPermittedValue, stored));
    EXPECT_EQ(0u, stored);
    ASSERT_TRUE(ReadNumber(kSpdifKey, kSpdifPreemphasisValue, stored, kSpdifOutputSubkey));
    EXPECT_EQ(1u, stored);

    // The main mix shows the setting; any other source the incoming bit.
    Driver().State().spdif.inputCopyBit = true;
    Driver().State().spdif.inputRate = 44100;
    ASSERT_EQ(1, Mixer().ReadSpdifInputStatus());
    EXPECT_EQ(44100u, SpdifSampleRate(Mixer().GetSpdifInputStatus()));
    EXPECT_EQ(0u, Mixer().GetSpdifCopyBit());
    Mixer().SetSpdifOutputSource(kSpdifOutputInput);
    EXPECT_EQ(0, Mixer().IsSpdifSourceMainMix());
    EXPECT_EQ(1u, Mixer().GetSpdifCopyBit());

    Driver().State().spdif.inputPresent = false;
    ASSERT_EQ(1, Mixer().ReadSpdifInputStatus());
    EXPECT_EQ(0u, Mixer().GetSpdifInputStatus() & kSpdifSignalPresent);
    Driver().State().spdif.inputPresent = true;
    Driver().FailRequest(IOCTL_CARD_COMMAND, CMD_SPDIF_INPUT_STATUS, kSimStatusInvalidParameter);
    EXPECT_EQ(0, Mixer().ReadSpdifInputStatus());
    EXPECT_EQ(0u, Mixer().GetSpdifInputStatus());
}

} // namespace
