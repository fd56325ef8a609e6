// The 3D Settings page on the simulated cards: speaker configurations and the
// speaker test, the 3D options and the restart offer, source positioning with its
// schemes.
#include "settings_page_bench.h"

#include "dialogs/settings3d_ids.h"
#include "driver/card_requests.h"
#include "driver/source_positions.h"
#include "platform/system_restart.h"
#include "positioner_ids.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"
#include "support/small_picture.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kSpeakerIds[] = {IDC_3D_SPEAKER_FRONT_LEFT, IDC_3D_SPEAKER_FRONT_RIGHT, IDC_3D_SPEAKER_CENTRE,
                               IDC_3D_SPEAKER_SUBWOOFER,  IDC_3D_SPEAKER_REAR_LEFT,   IDC_3D_SPEAKER_REAR_RIGHT};
constexpr DWORD kSpeakerMasks[] = {1, 2, 4, 8, 16, 32};

int ShownSpeakerButtons(SettingsPageBench& b)
{
    int shown = 0;
    for (int id : kSpeakerIds)
        shown += b.Shown(id) ? 1 : 0;
    return shown;
}

int ListIndexOf(SettingsPageBench& b, DWORD code)
{
    HWND list = b.Item(IDC_3D_SPEAKER_CONFIG);
    const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (static_cast<DWORD>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == code)
            return i;
    return -1;
}

std::vector<std::string> SchemeNames(SettingsPageBench& b)
{
    HWND combo = b.Item(IDC_3D_SCHEME);
    std::vector<std::string> names;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        if (SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 255)
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        names.emplace_back(text);
    }
    return names;
}

} // namespace

TEST(SettingsPage, SpeakerListOnEachCardAndChoosingQuadRunsTheSpeakerMode)
{
    struct Case {
        SimCardModel model;
        std::vector<DWORD> codes;
    };
    const Case cases[] = {{SimCardModel::Six, {6, 3, 4, 1}}, {SimCardModel::Four, {3, 4}}, {SimCardModel::Stereo, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.model));
        SettingsPageBench b(c.model);
        ASSERT_TRUE(b.Open());
        HWND list = b.Item(IDC_3D_SPEAKER_CONFIG);
        ASSERT_EQ(static_cast<int>(c.codes.size()), SendMessageA(list, CB_GETCOUNT, 0, 0));
        for (size_t i = 0; i < c.codes.size(); ++i)
            EXPECT_EQ(c.codes[i], static_cast<DWORD>(SendMessageA(list, CB_GETITEMDATA, i, 0)));
        if (c.codes.empty())
            continue;
        // The card's configuration is the one selected.
        EXPECT_EQ(ListIndexOf(b, b.bench.Mixer().GetSpeakerConfig() & 0xFF), SendMessageA(list, CB_GETCURSEL, 0, 0));

        b.bench.Driver().ClearLog();
        b.Choose(IDC_3D_SPEAKER_CONFIG, ListIndexOf(b, 3));
        EXPECT_EQ(3u, b.bench.Mixer().GetSpeakerConfig() & 0xFF);
        EXPECT_EQ(3u, b.bench.Driver().State().speakers.speakerConfig & 0xFF);
        const SimDriverRequest* sent = b.bench.LastCommand(CMD_SPEAKER_CONFIG);
        ASSERT_NE(nullptr, sent);
        EXPECT_EQ(3u, sent->arguments[0]);
        const int device = b.system.DeviceIndex(b.sound.DeviceChoice());
        ASSERT_GE(device, 0);
        EXPECT_EQ(static_cast<DWORD>(DSSPEAKER_5POINT1), b.system.Device(static_cast<size_t>(device)).speakerConfiguration)
            << "the sound system is always told six speakers";
        EXPECT_EQ(ListIndexOf(b, 3), SendMessageA(list, CB_GETCURSEL, 0, 0));
    }
}

TEST(SettingsPage, OpensPositioningAndTestModeShowsTheConfigurationsSpeakers)
{
    SettingsPageBench b(SimCardModel::Six);
    ASSERT_TRUE(b.Open());
    EXPECT_FALSE(b.Page().IsTestMode());
    EXPECT_TRUE(b.Checked(IDC_3D_MODE_POSITIONING));
    EXPECT_EQ(0, ShownSpeakerButtons(b));
    for (int id : {IDC_3D_POSITIONER, IDC_3D_SCHEME, IDC_3D_SCHEME_SAVE, IDC_3D_SCHEME_ADD, IDC_3D_SCHEME_RESTORE,
                   IDC_3D_SCHEME_DELETE})
        EXPECT_TRUE(b.Shown(id)) << id;
    for (int id : {IDC_3D_MP3, IDC_3D_SPLASH, IDC_3D_RESTART, IDC_3D_TEST_ALL})
        EXPECT_FALSE(b.Shown(id)) << id;
    // Stereo enhancement takes the place of the hidden MP3 box.
    RECT stereo = {};
    RECT mp3 = {};
    GetWindowRect(b.Item(IDC_3D_STEREO_ENHANCEMENT), &stereo);
    GetWindowRect(b.Item(IDC_3D_MP3), &mp3);
    EXPECT_EQ(mp3.top, stereo.top);
    // Speaker buttons show pictures, no text.
    char text[16] = {};
    GetWindowTextA(b.Item(IDC_3D_SPEAKER_FRONT_LEFT), text, sizeof(text));
    EXPECT_STREQ("", text);

    b.Click(IDC_3D_MODE_SPEAKER_TEST);
    EXPECT_TRUE(b.Page().IsTestMode());
    EXPECT_FALSE(b.Shown(IDC_3D_POSITIONER));
    EXPECT_FALSE(b.Shown(IDC_3D_SCHEME_ADD));
    struct Case {
        DWORD code;
        int buttons;
    };
    for (const Case& c : {Case{4, 2}, Case{3, 4}, Case{6, 6}, Case{1, 2}, Case{4, 2}}) {
        b.Choose(IDC_3D_SPEAKER_CONFIG, ListIndexOf(b, c.code));
        EXPECT_EQ(c.buttons, ShownSpeakerButtons(b)) << "configuration " << c.code;
        EXPECT_TRUE(b.Shown(IDC_3D_SPEAKER_FRONT_LEFT) && b.Shown(IDC_3D_SPEAKER_FRONT_RIGHT));
    }
    EXPECT_TRUE(b.Checked(IDC_3D_MODE_SPEAKER_TEST));

    b.Click(IDC_3D_MODE_POSITIONING);
    EXPECT_FALSE(b.Page().IsTestMode());
    EXPECT_EQ(0, ShownSpeakerButtons(b));
    EXPECT_TRUE(b.Shown(IDC_3D_POSITIONER));
}

TEST(SettingsPage, ACheckedSpeakerButtonPlaysOnExactlyItsChannel)
{
    SettingsPageBench b(SimCardModel::Six);
    ASSERT_TRUE(b.Open());
    b.Click(IDC_3D_MODE_SPEAKER_TEST);
    b.Choose(IDC_3D_SPEAKER_CONFIG, ListIndexOf(b, 6));
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(kSpeakerMasks[i]);
        b.Click(kSpeakerIds[i]);
        EXPECT_TRUE(b.Checked(kSpeakerIds[i]));
        EXPECT_EQ(kSpeakerMasks[i], b.system.PlayingSpeakers());
        EXPECT_EQ(kSpeakerMasks[i], b.SoundingChannels());
        b.Click(kSpeakerIds[i]);
        EXPECT_EQ(0u, b.system.PlayingSpeakers());
        EXPECT_EQ(0u, b.SoundingChannels());
    }
    // Two at once; leaving the test silences both and unchecks them.
    b.Click(IDC_3D_SPEAKER_FRONT_LEFT);
    b.Click(IDC_3D_SPEAKER_SUBWOOFER);
    EXPECT_EQ(9u, b.SoundingChannels());
    b.Click(IDC_3D_MODE_POSITIONING);
    EXPECT_EQ(0u, b.system.PlayingSpeakers());
    EXPECT_FALSE(b.Checked(IDC_3D_SPEAKER_FRONT_LEFT));
    EXPECT_EQ(0, b.sound.ActiveCount());
}

TEST(SettingsPage, SensauraOnAndOffAgainHidesTheRestartAndOptionsReachTheCard)
{
    SettingsPageBench b(SimCardModel::Six);
    ASSERT_TRUE(b.Open());
    CCardMixer& card = b.bench.Mixer();
    ASSERT_EQ(0u, card.GetSensaura3D());
    EXPECT_FALSE(b.Enabled(IDC_3D_MACROFX)) << "MacroFX needs Sensaura";

    b.Click(IDC_3D_SENSAURA);
    EXPECT_EQ(1u, card.GetSensaura3D());
    EXPECT_TRUE(b.Shown(IDC_3D_RESTART));
    EXPECT_TRUE(b.Enabled(IDC_3D_RESTART));
    EXPECT_TRUE(b.Enabled(IDC_3D_MACROFX));
    b.Click(IDC_3D_MACROFX);
    b.Click(IDC_3D_STEREO_ENHANCEMENT);
    b.Click(IDC_3D_REVERB);
    EXPECT_EQ(1u, card.GetMacroFX());
    EXPECT_EQ(1u, card.GetStereoExpansion());
    EXPECT_TRUE(b.bench.Driver().State().speakers.stereoExpansion);
    EXPECT_EQ(1u, card.GetReverb());

    b.Click(IDC_3D_SENSAURA);
    EXPECT_EQ(0u, card.GetSensaura3D());
    EXPECT_FALSE(b.Shown(IDC_3D_RESTART));
    EXPECT_FALSE(b.Enabled(IDC_3D_RESTART));
    EXPECT_TRUE(b.Checked(IDC_3D_MACROFX)) << "kept, only disabled";
    EXPECT_FALSE(b.Enabled(IDC_3D_MACROFX));
}

namespace {

struct RestartCalls {
    std::vector<UINT> exits;
    DWORD adjustError = ERROR_SUCCESS;
    bool tokenOpened = false;
    bool tokenClosed = false;
};
RestartCalls g_restart;

BOOL WINAPI FakeOpenToken(HANDLE, DWORD access, PHANDLE token)
{
    g_restart.tokenOpened = (access & TOKEN_ADJUST_PRIVILEGES) != 0;
    *token = reinterpret_cast<HANDLE>(0x1234);
    return TRUE;
}
BOOL WINAPI FakeLookup(LPCSTR, LPCSTR name, PLUID luid)
{
    luid->LowPart = 19;
    return lstrcmpA(name, "SeShutdownPrivilege") == 0;
}
BOOL WINAPI FakeAdjust(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD) { return TRUE; }
DWORD WINAPI FakeLastError() { return g_restart.adjustError; }
BOOL WINAPI FakeClose(HANDLE token)
{
    g_restart.tokenClosed = token == reinterpret_cast<HANDLE>(0x1234);
    return TRUE;
}
BOOL WINAPI FakeExit(UINT flags, DWORD)
{
    g_restart.exits.push_back(flags);
    return TRUE;
}

BOOL WINAPI NtVersion(LPOSVERSIONINFOA version)
{
    version->dwMajorVersion = 5;
    version->dwMinorVersion = 1;
    version->dwPlatformId = VER_PLATFORM_WIN32_NT;
    return TRUE;
}

} // namespace

TEST(SettingsPage, RestartGoesThroughTheSeamAndARefusalShowsItsStep)
{
    SettingsPageBench b(SimCardModel::Six);
    ASSERT_TRUE(b.Open());
    SetSystemRestartFunctions({&FakeOpenToken, &FakeLookup, &FakeAdjust, &FakeLastError, &FakeClose, &FakeExit});
    SystemFunctions system = WindowsSystemFunctions();
    system.getVersionEx = &NtVersion;
    SetSystemFunctions(system);
    g_restart = RestartCalls();
    b.Click(IDC_3D_SENSAURA); // the restart is offered

    {
        MessageBoxCatcher no(IDNO);
        b.Click(IDC_3D_RESTART);
        ASSERT_EQ(1u, no.Boxes().size());
        EXPECT_EQ("Do you really want to restart?", no.Boxes()[0].text);
        EXPECT_EQ("Halvard 5.1+", no.Boxes()[0].caption);
    }
    EXPECT_TRUE(g_restart.exits.empty());
    {
        MessageBoxCatcher yes(IDYES);
        b.Click(IDC_3D_RESTART);
        EXPECT_EQ(1u, yes.Boxes().size()) << "no error message";
    }
    ASSERT_EQ(1u, g_restart.exits.size());
    EXPECT_EQ(static_cast<UINT>(EWX_REBOOT | EWX_FORCE), g_restart.exits[0]);
    EXPECT_TRUE(g_restart.tokenOpened);
    EXPECT_TRUE(g_restart.tokenClosed);

    g_restart = RestartCalls();
    g_restart.adjustError = ERROR_NOT_ALL_ASSIGNED;
    {
        MessageBoxCatcher yes(IDYES);
        b.Click(IDC_3D_RESTART);
        ASSERT_EQ(2u, yes.Boxes().size());
        EXPECT_EQ("Error restarting. 3 failed.\nUse Ctrl+Alt+del to restart.", yes.Boxes()[1].text);
    }
    EXPECT_TRUE(g_restart.exits.empty()) << "no restart without the privilege";
    EXPECT_TRUE(g_restart.tokenClosed);
    RestoreWindowsSystemRestartFunctions();
    RestoreWindowsSystemFunctions();
}

TEST(SettingsPage, DraggingTheSharedItemMovesAllMidiSourcesAndLoadingItHidesThem)
{
    SettingsPageBench b(SimCardModel::Six);
    ASSERT_TRUE(b.Open());
    C2dPositioner& positioner = b.Page().GetPositioner();
    ASSERT_EQ(kSourcePositionCount, positioner.GetItemCount());
    EXPECT_EQ(std::vector<std::string>({"Default", "Wide"}), SchemeNames(b));
    EXPECT_EQ(0, SendMessageA(b.Item(IDC_3D_SCHEME), CB_GETCURSEL, 0, 0));
    EXPECT_TRUE(positioner.IsItemVisible(5));
    EXPECT_FALSE(positioner.IsItemVisible(17));
    EXPECT_FALSE(b.Enabled(IDC_3D_SCHEME_SAVE)) << "the current positions are Default's";
    EXPECT_TRUE(b.Enabled(IDC_3D_SCHEME_DELETE));

    // "MIDI 1-16" from the menu: the sixteen give way to the shared item.
    positioner.SendMessage(WM_COMMAND, ID_SOURCE_ALL_MIDI, 0);
    EXPECT_EQ(17, positioner.GetCurSel());
    EXPECT_FALSE(positioner.IsItemVisible(5));
    EXPECT_TRUE(positioner.IsItemVisible(17));

    // Dragged: the driver hears each step, the drop stores all sixteen with flags 96.
    b.bench.Driver().ClearLog();
    b.Drag(b.Pixel(64, 20), b.Pixel(100, 90), 4);
    int x = 0;
    int y = 0;
    ASSERT_EQ(1, positioner.GetItemPos(17, &x, &y));
    int moves = 0;
    for (const SimDriverRequest& request : b.bench.Driver().Log())
        if (request.code == CMD_SOURCE_POSITION && request.arguments[0] == 17)
            ++moves;
    EXPECT_EQ(5, moves) << "four steps and the drop";
    EXPECT_EQ(x, b.bench.Driver().State().speakers.balance[17]);
    EXPECT_EQ(y, b.bench.Driver().State().speakers.fader[17]);
    StoredScheme current = ReadStoredScheme(kCurrentSchemeSubkey);
    ASSERT_EQ(19u, current.balance.size());
    EXPECT_EQ(kSchemeFlagsShared, current.flags);
    for (int i = 1; i <= 17; ++i) {
        EXPECT_EQ(x, current.balance[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(y, current.fader[static_cast<size_t>(i)]) << i;
    }
    EXPECT_EQ(64, current.balance[0]) << "2D stays";
    EXPECT_TRUE(b.Enabled(IDC_3D_SCHEME_SAVE));
    EXPECT_TRUE(b.Page().IsModified());

    // Saved as Default; Wide brings the sixteen back; Default hides them again.
    b.Click(IDC_3D_SCHEME_SAVE);
    EXPECT_EQ(kSchemeFlagsShared, ReadStoredScheme("Default").flags);
    EXPECT_FALSE(b.Enabled(IDC_3D_SCHEME_SAVE));
    b.Choose(IDC_3D_SCHEME, 1);
    EXPECT_TRUE(positioner.IsItemVisible(5));
    EXPECT_FALSE(positioner.IsItemVisible(17));
    EXPECT_EQ(1, positioner.GetCurSel()) << "item 17 gives way to MIDI 1";
    EXPECT_EQ(30, b.bench.Driver().State().speakers.balance[5]) << "Wide's positions are sent";
    b.Choose(IDC_3D_SCHEME, 0);
    EXPECT_FALSE(positioner.IsItemVisible(5));
    EXPECT_TRUE(positioner.IsItemVisible(17));
    EXPECT_EQ(17, positioner.GetCurSel());
    EXPECT_EQ(x, b.bench.Driver().State().speakers.balance[5]);
}

TEST(SettingsPage, TypingANewNameEnablesAddWhichStoresAndListsIt)
{
    SettingsPageBench b(SimCardModel::Four);
    ASSERT_TRUE(b.Open());
    C2dPositioner& positioner = b.Page().GetPositioner();
    positioner.SetCurSel(3);
    b.Drag(b.Pixel(64, 20), b.Pixel(10, 120), 2);

    b.Type("");
    EXPECT_FALSE(b.Enabled(IDC_3D_SCHEME_ADD)) << "no scheme without a name";
    b.Type("Stage\\Left");
    EXPECT_FALSE(b.Enabled(IDC_3D_SCHEME_ADD)) << "a name is one key, not a path";
    b.Type("Concert");
    EXPECT_TRUE(b.Page().IsNewName());
    EXPECT_TRUE(b.Enabled(IDC_3D_SCHEME_ADD));
    EXPECT_FALSE(b.Enabled(IDC_3D_SCHEME_DELETE));
    EXPECT_FALSE(b.Enabled(IDC_3D_SCHEME_SAVE));

    b.Click(IDC_3D_SCHEME_ADD);
    EXPECT_FALSE(b.Page().IsNewName());
    EXPECT_FALSE(b.Enabled(IDC_3D_SCHEME_ADD));
    const std::vector<std::string> names = SchemeNames(b);
    ASSERT_EQ(3u, names.size());
    const int selected = static_cast<int>(SendMessageA(b.Item(IDC_3D_SCHEME), CB_GETCURSEL, 0, 0));
    ASSERT_GE(selected, 0);
    EXPECT_EQ("Concert", names[static_cast<size_t>(selected)]);
    EXPECT_STREQ("Concert", b.bench.Mixer().GetCurrentSourceSchemeName());
    const StoredScheme stored = ReadStoredScheme("Concert");
    ASSERT_EQ(19u, stored.balance.size());
    EXPECT_EQ(10, stored.balance[3]);
    EXPECT_EQ(120, stored.fader[3]);
    EXPECT_EQ(kSchemeFlagsSingle, stored.flags);
    EXPECT_EQ(64, stored.balance[4]);

    // An existing name typed in full loads that scheme.
    b.Type("Wide");
    EXPECT_FALSE(b.Page().IsNewName());
    EXPECT_FALSE(b.Enabled(IDC_3D_SCHEME_ADD));
    int x = 0;
    int y = 0;
    positioner.GetItemPos(3, &x, &y);
    EXPECT_EQ(18, x);

    // Deleting asks first; the list closes up behind it.
    b.Choose(IDC_3D_SCHEME, 0);
    {
        MessageBoxCatcher ok(IDOK);
        b.Click(IDC_3D_SCHEME_DELETE);
        EXPECT_EQ(1u, ok.Boxes().size());
    }
    EXPECT_EQ(2u, SchemeNames(b).size());
}

TEST(SettingsPage, ASpeakerPictureIsLaidOverThePositionerAtTheSheetsBlendLevel)
{
    TempFile picture;
    ASSERT_TRUE(picture.Write(SmallPictureFile()));
    const std::string path = picture.Path();
    {
        SettingsPageBench b(SimCardModel::Six);
        ASSERT_TRUE(b.Open(path));
        EXPECT_TRUE(b.Page().GetPositioner().HasPicture());
        EXPECT_EQ(200, b.Page().GetPositioner().m_blendLevel);
    }
}

TEST(SettingsPage, SchemeNamesFollowTheCardsRuleAndALetterCaseVariantIsTheStoredScheme)
{
    SettingsPageBench b(SimCardModel::Six);
    ASSERT_TRUE(b.Open());
    // Names the card refuses offer no Add: its own key in any letter case, one too long for a key.
    for (const std::string& name : {std::string("CurrentScheme"), std::string("currentSCHEME"), std::string(256, 'n')}) {
        b.Type(name.c_str());
        EXPECT_TRUE(b.Page().IsNewName()) << name.size();
        EXPECT_FALSE(b.Enabled(IDC_3D_SCHEME_ADD)) << name.substr(0, 16);
    }
    b.Type(std::string(255, 'n').c_str());
    EXPECT_TRUE(b.Enabled(IDC_3D_SCHEME_ADD)) << "the longest name a key can have";

    // "wide" is Wide: loaded, and saved under the stored spelling, never added beside it.
    b.Type("wide");
    EXPECT_FALSE(b.Page().IsNewName());
    EXPECT_FALSE(b.Enabled(IDC_3D_SCHEME_ADD));
    C2dPositioner& positioner = b.Page().GetPositioner();
    int x = 0;
    int y = 0;
    positioner.GetItemPos(3, &x, &y);
    EXPECT_EQ(18, x) << "Wide's positions";
    positioner.SetCurSel(3);
    b.Drag(b.Pixel(18, 109), b.Pixel(50, 60), 2);
    positioner.GetItemPos(3, &x, &y);
    ASSERT_NE(18, x);
    ASSERT_TRUE(b.Enabled(IDC_3D_SCHEME_SAVE));
    b.Click(IDC_3D_SCHEME_SAVE);
    EXPECT_EQ(std::vector<std::string>({"Default", "Wide"}), SchemeNames(b));
    EXPECT_STREQ("Wide", b.bench.Mixer().GetCurrentSourceSchemeName());
    const StoredScheme wide = ReadStoredScheme("Wide");
    ASSERT_EQ(19u, wide.balance.size());
    EXPECT_EQ(x, wide.balance[3]);
    EXPECT_EQ(30, wide.balance[5]) << "the rest of Wide stays";
}
