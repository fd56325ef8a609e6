// halvardctl run as a child process against the simulated six- and four-channel
// cards: what each command prints, what it changes, and its exit code.
#include "halvardctl/ctl_process.h"
#include "halvardctl/ctl_test_ids.h"
#include "halvardctl/ctl_test_support.h"

#include "app/settings_file_commands.h"
#include "driver/driver_keys.h"
#include "platform/panel_values.h"
#include "platform/registry.h"
#include "support/registry_guard.h"
#include "support/temp_folder.h"
#include "support/test_arguments.h"

#include <gtest/gtest.h>

namespace {

// Runs and expects success; the output with LF line ends.
std::string Ok(const std::string& commandLine, const std::string& model = "six")
{
    const CtlRunResult run = RunCtl(commandLine, model);
    EXPECT_TRUE(run.ended) << commandLine;
    EXPECT_EQ(0u, run.exitCode) << commandLine << ": " << run.err;
    EXPECT_EQ("", run.err) << commandLine;
    return UnixLines(run.out);
}

// Runs and expects that exit code with one line on the error output holding `says`.
void Fails(const std::string& commandLine, unsigned long code, const std::string& says, const std::string& model = "six")
{
    const CtlRunResult run = RunCtl(commandLine, model);
    EXPECT_TRUE(run.ended) << commandLine;
    EXPECT_EQ(code, run.exitCode) << commandLine << ": " << run.err;
    EXPECT_EQ(1, LineCount(run.err)) << commandLine << ": " << run.err;
    EXPECT_NE(std::string::npos, run.err.find(says)) << commandLine << ": " << run.err;
    EXPECT_EQ("", run.out) << commandLine;
}

class HalvardCtlCommandTest : public HalvardCtlTest {};

// "--write-golden=FOLDER" writes what the lists show now into the folder instead
// (for a deliberate change of the lists, such as other line names).
TEST_F(HalvardCtlCommandTest, ListShowsEveryLineControlAndSettingOfEachModel)
{
    const struct {
        int golden;
        const char* file;
        const char* command;
        const char* model;
    } lists[] = {
        {IDR_GOLDEN_LIST_SIX, "list_six.txt", "list", "six"},
        {IDR_GOLDEN_LIST_FOUR, "list_four.txt", "list", "four"},
        {IDR_GOLDEN_LIST_SIX_JSON, "list_six.json", "list --json", "six"},
    };
    const std::string writeTo = TestArgument("write-golden");
    for (const auto& list : lists) {
        const std::string shown = Ok(list.command, list.model);
        if (!writeTo.empty())
            EXPECT_TRUE(WriteFileBytes(writeTo + "\\" + list.file, shown)) << list.file;
        else
            EXPECT_EQ(UnixLines(GoldenText(list.golden)), shown) << list.file;
    }
}

TEST_F(HalvardCtlCommandTest, VolumesRoundTripInPercentAndRawUnitsOnBothModels)
{
    struct Case {
        const char* model;
        const char* set;
        const char* get;
        const char* shows;
    };
    const Case cases[] = {
        {"six", "set Front 50%", "get front", "volume=32768,32768 percent=50,50 mute=off\n"},
        {"six", "set Master 40000,38000", "get MASTER", "volume=40000,38000 percent=61,58 mute=off\n"},
        {"six", "set lfe 0%,100%", "get 0x00000004", "volume=0,65535 percent=0,100 mute=off\n"},
        {"six", "set mic 100%", "get Mic", "volume=65535 percent=100 mute=off\n"},
        {"six", "set center 1", "get Center", "volume=1,1 percent=0,0 mute=off\n"},
        {"four", "set cd 25%", "get 3", "volume=16384,16384 percent=25,25 mute=off\n"},
        {"four", "set synth 65535,0", "get SYNTH", "volume=65535,0 percent=100,0 mute=off\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model) + ": " + c.set);
        EXPECT_EQ(c.shows, Ok(c.set, c.model)); // set prints the state it reached
        EXPECT_EQ(c.shows, Ok(c.get, c.model));
    }
    EXPECT_EQ("{\"name\": \"Front\", \"volume\": [32768, 32768], \"percent\": [50, 50], \"mute\": false}\n",
              Ok("get front --json"));
    EXPECT_EQ("{\"name\": \"speakers\", \"value\": \"quad\"}\n", Ok("get speakers --json"));
}

TEST_F(HalvardCtlCommandTest, ValuesOutsideARangeAreRefusedWithTheRangeAndChangeNothing)
{
    Ok("set front 50%");
    const std::string before = CardSnapshot();
    Fails("set front 70000", 3, "0 to 65535");
    Fails("set front 101%", 1, "0% to 100%");
    Fails("set front 1,2,3", 3, "takes 1 or 2 values");
    Fails("set mic 1,2", 3, "takes 1 or 1 values");
    Fails("set front 5%,6", 1, "mixed units");
    Fails("set speakers 5.1", 3, "headphones, stereo, quad", "four");
    Fails("set aec sometimes", 3, "never, auto, always");
    Fails("set front loud", 3, "mute, unmute or toggle");
    EXPECT_EQ(before, CardSnapshot());
    EXPECT_EQ("volume=32768,32768 percent=50,50 mute=off\n", Ok("get front"));
}

TEST_F(HalvardCtlCommandTest, MuteUnmuteAndToggle)
{
    EXPECT_EQ("volume=49152,49152 percent=75,75 mute=on\n", Ok("set wave toggle"));
    EXPECT_EQ("volume=49152,49152 percent=75,75 mute=off\n", Ok("set wave toggle"));
    EXPECT_EQ("volume=49152,49152 percent=75,75 mute=on\n", Ok("set Wave mute"));
    EXPECT_EQ("volume=49152,49152 percent=75,75 mute=on\n", Ok("set Wave mute"));
    EXPECT_EQ("volume=49152,49152 percent=75,75 mute=off\n", Ok("set wave unmute", "four"));
}

TEST_F(HalvardCtlCommandTest, RecordSourceByItemName)
{
    EXPECT_EQ("Stereo Mix\n", Ok("get record.source"));
    EXPECT_EQ("Line In\n", Ok("set record.source \"line in\""));
    EXPECT_EQ("Line In\n", Ok("get Record.Source"));
    EXPECT_NE(std::string::npos, Ok("get record").find("source=\"Line In\""));
    EXPECT_EQ("Microphone\n", Ok("set record.source Microphone", "four"));
    Fails("set record.source \"SPDIF In\"", 3, "Stereo Mix, CD Audio, Microphone, Line In, Aux", "four");
}

TEST_F(HalvardCtlCommandTest, EqualizerPresetAndSwitchByName)
{
    WritePresets({"Jazz", "Rock", "Pop"});
    EXPECT_EQ("Jazz\n", Ok("get eq.preset"));
    EXPECT_EQ("Rock\n", Ok("set eq.preset rock"));
    EXPECT_EQ("Rock\n", Ok("get eq.preset"));
    Bench().Start(SimCardModel::Six);
    EXPECT_STREQ("Rock", Bench().Mixer().CurrentEqSetName());
    Fails("set eq.preset Polka", 3, "Jazz, Pop, Rock");
    EXPECT_EQ("on\n", Ok("set eq.enabled on"));
    EXPECT_EQ(1, Bench().Mixer().IsEqEnabled());
    EXPECT_EQ("off\n", Ok("set EQ.Enabled off"));
}

TEST_F(HalvardCtlCommandTest, SpeakerConfigurationWithinWhatTheCardHas)
{
    EXPECT_EQ("5.1\n", Ok("set speakers 5.1", "six"));
    Bench().Start(SimCardModel::Six);
    EXPECT_EQ(6u, Bench().Mixer().GetSpeakerConfig() & 0xFF);
    EXPECT_EQ("headphones\n", Ok("set speakers headphones", "four"));
    EXPECT_EQ("quad\n", Ok("set speakers quad", "four"));
    EXPECT_EQ("quad\n", Ok("get speakers", "four"));
}

TEST_F(HalvardCtlCommandTest, SpdifAndEchoCancellationSettings)
{
    EXPECT_EQ("auto\n", Ok("set spdif.input auto"));
    EXPECT_EQ("input\n", Ok("set spdif.output input"));
    EXPECT_EQ("always\n", Ok("set aec always"));
    Bench().Start(SimCardModel::Six);
    EXPECT_EQ(1u, Bench().Mixer().GetSpdifInputMode());
    EXPECT_EQ(2u, Bench().Mixer().GetSpdifOutputSource());
    EXPECT_EQ(2u, Bench().Mixer().GetAecMode());
}

TEST_F(HalvardCtlCommandTest, SaveWritesThePanelsFileByteForByteAndLoadRestoresIt)
{
    TempFolder folder;
    Ok("set front 30%");
    Ok("set record.source \"CD Audio\"");
    const std::string toolFile = folder.File("tool.msp");
    Ok("save \"" + toolFile + "\"");
    // The panel's save of the same card.
    ASSERT_TRUE(Bench().Start(SimCardModel::Six));
    const std::string panelFile = folder.File("panel.msp");
    ASSERT_TRUE(SaveSettingsFileTo(Bench().Mixer(), panelFile.c_str()));
    Bench().Close();
    const std::string saved = ReadFileBytes(toolFile);
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(ReadFileBytes(panelFile), saved);

    Ok("set front 90%");
    Ok("set record.source Aux");
    EXPECT_EQ("", Ok("load \"" + toolFile + "\""));
    EXPECT_EQ("volume=19661,19661 percent=30,30 mute=off\n", Ok("get front"));
    EXPECT_EQ("CD Audio\n", Ok("get record.source"));
    Ok("save \"" + folder.File("again.msp") + "\"");
    EXPECT_EQ(saved, ReadFileBytes(folder.File("again.msp")));
}

TEST_F(HalvardCtlCommandTest, FilesThatCannotBeReadOrWritten)
{
    TempFolder folder;
    Fails("load \"" + folder.File("missing.msp") + "\"", 5, "cannot read");
    WriteFileBytes(folder.File("notes.msp"), "shopping list\r\n");
    Fails("load \"" + folder.File("notes.msp") + "\"", 5, "not a settings file");
    Fails("save \"" + folder.File("no folder\\x.msp") + "\"", 5, "cannot write");
}

TEST_F(HalvardCtlCommandTest, NamesAliasesIdsAndUnknownNames)
{
    Ok("set front 50%");
    const std::string front = "volume=32768,32768 percent=50,50 mute=off\n";
    for (const char* name : {"front", "FRONT", "Front", "0x1", "1", "0x00000001"})
        EXPECT_EQ(front, Ok(std::string("get ") + name)) << name;
    Fails("get frnt", 2, "closest: front");
    Fails("get eq.prest", 2, "closest: eq.preset");
    Fails("get 0x12345", 2, "unknown name");
    Fails("get center", 2, "unknown name", "four"); // the four-channel card has none
}

// Also run in German (ctest "halvardctl_de"): display names follow the user's
// language, the aliases stay English.
TEST_F(HalvardCtlCommandTest, DisplayNamesFollowTheUsersLanguage)
{
    const bool german = TestArgument("expect-language") == "de";
    const std::string front = german ? "VORNE" : "FRONT";
    const std::string master = german ? "Gesamt" : "Master";
    Ok("set " + front + " 50%");
    EXPECT_EQ(Ok("get " + front), Ok("get front"));
    EXPECT_EQ("volume=32768,32768 percent=50,50 mute=off\n", Ok("get front"));
    // A misspelt display name is answered with it (in English it is the alias's).
    Fails("get " + master.substr(0, 3) + master.substr(4), 2, german ? "closest: Gesamt" : "closest: master");
}

TEST_F(HalvardCtlCommandTest, NoCardHelpAndMalformedCommandLines)
{
    Fails("list", 4, "no card found", "");
    const CtlRunResult help = RunCtl("--help");
    EXPECT_EQ(0u, help.exitCode);
    for (const char* shown : {"list", "get", "set Front 75%", "set master 40000,38000", "load", "save", "eq.preset",
                              "speakers", "spdif.input", "spdif.output", "aec", "record.source"})
        EXPECT_NE(std::string::npos, help.out.find(shown)) << shown;
    Fails("", 1, "no command");
    Fails("fly", 1, "unknown command");
    Fails("set front", 1, "missing arguments");
    Fails("get front back", 1, "too many arguments");
    Fails("save --json x.msp", 1, "--json goes with list and get");
}

TEST_F(HalvardCtlCommandTest, NeverRemovesTheAutostartValue)
{
    RegistryValueGuard autostart(HKEY_LOCAL_MACHINE, kAutostartKey, "Halvard 5.1+", kSharedSoftwareView);
    ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, kAutostartKey, "Halvard 5.1+", REG_SZ, "x", 2, kSharedSoftwareView));
    Fails("list", 4, "no card found", "");
    Ok("set front 10%");
    DWORD type = 0;
    std::vector<BYTE> data;
    EXPECT_TRUE(ReadRawValue(HKEY_LOCAL_MACHINE, kAutostartKey, "Halvard 5.1+", type, data, kSharedSoftwareView));
}

} // namespace
