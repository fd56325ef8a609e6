// The MIDI page on the simulated card: the two voice lists (entries and which one
// a limit selects), what a choice sends, and the sample set radios with the file
// dialog answered by the test as a user would (cancel, or a file typed in).
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "card_pages_fixture.h"
#include "dialogs/midi_ids.h"
#include "driver/card_requests.h"
#include "driver/wavetable_settings.h"
#include "pages/nvp4_page_midi.h"
#include "pages/voice_lists.h"
#include "platform/resource_string.h"
#include "string_ids.h"
#include "support/temp_file.h"

namespace {

TEST(VoiceLists, EntriesAndTheEntryOfALimit)
{
    const std::vector<VoiceListEntry> hardware = HardwareVoiceEntries(16, 48);
    ASSERT_EQ(34u, hardware.size());
    EXPECT_EQ(LoadResourceString(IDS_MIDI_VOICES_DISABLED), hardware[0].text);
    EXPECT_EQ(0u, hardware[0].limit);
    EXPECT_EQ(" 16", hardware[1].text);
    EXPECT_EQ(48u, hardware[33].limit);
    EXPECT_EQ(17, HardwareVoiceIndex(32, 16));
    EXPECT_EQ(0, HardwareVoiceIndex(0, 16));
    // A range no card has still makes a bounded list.
    EXPECT_LE(HardwareVoiceEntries(0, 0xFFFFFFFFu).size(), 1025u);

    const std::vector<VoiceListEntry> software = SoftwareVoiceEntries();
    ASSERT_EQ(20u, software.size());
    EXPECT_EQ(976u, software.back().limit);
    const struct {
        DWORD limit;
        DWORD shown;
    } cases[] = {{200, 196}, {196, 196}, {16, 16}, {17, 16}, {976, 976}, {0, 0}, {895, 768}};
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, software[SoftwareVoiceIndex(software, c.limit)].limit) << c.limit;
}

// Answers the file dialogs of this thread: counts them and cancels, or types a
// path into the file name field and presses OK.
class FileDialogAnswer {
public:
    explicit FileDialogAnswer(std::string path = std::string()) : m_path(std::move(path))
    {
        s_current = this;
        m_hook = SetWindowsHookExA(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
    }
    ~FileDialogAnswer()
    {
        UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }
    int Count() const { return static_cast<int>(m_dialogs.size()); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_ACTIVATE && s_current != nullptr) {
            const HWND window = reinterpret_cast<HWND>(wParam);
            char name[16] = "";
            GetClassNameA(window, name, sizeof(name));
            // A dialog is activated more than once; it is answered once.
            std::vector<HWND>& seen = s_current->m_dialogs;
            // The sheet itself, activated again afterwards, has no owner.
            const bool owned = GetWindow(window, GW_OWNER) != nullptr;
            if (std::string(name) == "#32770" && owned && std::find(seen.begin(), seen.end(), window) == seen.end()) {
                seen.push_back(window);
                SetTimer(window, 1, 50, &Answer);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void CALLBACK Answer(HWND window, UINT, UINT_PTR timer, DWORD)
    {
        KillTimer(window, timer);
        if (s_current == nullptr || s_current->m_path.empty()) {
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        // The file name field: an edit (edt1) or the combo box of newer dialogs (cmb13).
        for (int id : {0x480, 0x47c})
            if (HWND field = GetDlgItem(window, id))
                SetWindowTextA(field, s_current->m_path.c_str());
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }

    static FileDialogAnswer* s_current;
    HHOOK m_hook;
    std::string m_path;
    std::vector<HWND> m_dialogs;
};
FileDialogAnswer* FileDialogAnswer::s_current = nullptr;

class MidiPageTest : public CardPagesTest {
protected:
    void Start(SimCardModel model, DWORD hwLimit, DWORD swLimit)
    {
        WriteMachineNumber(kWavetableKey, kHwVoicesLimitValue, hwLimit, REG_BINARY);
        WriteMachineNumber(kWavetableKey, kSwVoicesLimitValue, swLimit, REG_BINARY);
        ASSERT_TRUE(bench.Start(model));
        m_page = std::make_unique<CNVP4PageMidi>(&bench.Mixer(), nullptr);
        ShowPages(*m_page, &blank);
        bench.Driver().ClearLog();
    }
    CNVP4PageMidi& Page() { return *m_page; }
    std::string Shown(CCoolComboBox& list) { return list.GetLBText(list.GetCurSel()); }
    DWORD Stored(const char* name) { return *reinterpret_cast<const DWORD*>(ReadMachineValue(kWavetableKey, name).data.data()); }

    BlankPage blank;

private:
    std::unique_ptr<CNVP4PageMidi> m_page;
};

TEST_F(MidiPageTest, ListsFollowTheCardsRangeAndShowTheLimits)
{
    Start(SimCardModel::Four, 32, 200);
    EXPECT_EQ(34, Page().HardwareList().GetCount());
    EXPECT_EQ(17, Page().HardwareList().GetCurSel());
    EXPECT_EQ(32u, Page().HardwareList().GetItemData(17));
    EXPECT_EQ(20, Page().SoftwareList().GetCount());
    EXPECT_EQ("196", Shown(Page().SoftwareList()));
    // The limit itself stays as the user or a file gave it.
    EXPECT_EQ(200u, bench.Mixer().GetSwVoiceLimit());

    Choose(Page(), IDC_MIDI_HW_VOICES, 0);
    EXPECT_EQ(0u, Stored(kHwVoicesLimitValue));
    EXPECT_EQ(1, bench.Driver().CountRequests(IOCTL_CARD_PROPERTY_SET));
    Choose(Page(), IDC_MIDI_SW_VOICES, 19);
    EXPECT_EQ(976u, Stored(kSwVoicesLimitValue));
    Sheet().RefreshPages();
    EXPECT_EQ(19, Page().SoftwareList().GetCurSel());

    // Too few software voices become the minimum; a limit beyond the range is brought back.
    bench.Mixer().SetHwVoiceLimit(0);
    WriteMachineNumber(kWavetableKey, kSwVoicesLimitValue, 8, REG_BINARY);
    bench.Mixer().SetSwVoiceLimit(8);
    Sheet().RefreshPages();
    EXPECT_EQ(16u, bench.Mixer().GetSwVoiceLimit());
    EXPECT_EQ(" 16", Shown(Page().SoftwareList()));
    EXPECT_EQ(0, Page().HardwareList().GetCurSel());
}

TEST_F(MidiPageTest, TheSixChannelCardOffersMoreHardwareVoices)
{
    Start(SimCardModel::Six, 64, 976);
    EXPECT_EQ(50, Page().HardwareList().GetCount());
    EXPECT_EQ(49, Page().HardwareList().GetCurSel());
    EXPECT_EQ(19, Page().SoftwareList().GetCurSel());
}

TEST_F(MidiPageTest, AllocationAndResidentGoToTheCard)
{
    Start(SimCardModel::Six, 32, 256);
    EXPECT_TRUE(IsChecked(Page(), IDC_MIDI_ALLOC_DYNAMIC));
    Click(Page(), IDC_MIDI_ALLOC_DLS);
    EXPECT_EQ(1u, Stored(kVoiceAllocationValue));
    EXPECT_FALSE(IsChecked(Page(), IDC_MIDI_ALLOC_DYNAMIC));
    Click(Page(), IDC_MIDI_RESIDENT);
    EXPECT_EQ(1u, Stored(kStaticImageValue));
    EXPECT_EQ(1u, bench.Driver().State().wavetable.staticImage);
}

TEST_F(MidiPageTest, CustomSetNeedsAFile)
{
    Start(SimCardModel::Six, 32, 256);
    bench.Mixer().SetCustomSetFile("");
    Sheet().RefreshPages();
    EXPECT_TRUE(IsChecked(Page(), IDC_MIDI_DEFAULT_SET));
    {
        FileDialogAnswer cancel;
        Click(Page(), IDC_MIDI_CUSTOM_SET);
        EXPECT_EQ(1, cancel.Count());
    }
    EXPECT_TRUE(IsChecked(Page(), IDC_MIDI_DEFAULT_SET));
    EXPECT_FALSE(IsChecked(Page(), IDC_MIDI_CUSTOM_SET));
    EXPECT_EQ(1u, bench.Mixer().GetUseDefaultSet());

    // With a file named, Custom Set opens no dialog and the file's name shows.
    bench.Mixer().SetCustomSetFile("C:\\Samples\\Concert Hall.dls");
    Sheet().RefreshPages();
    EXPECT_EQ("Concert Hall.dls", TextOf(Page(), IDC_MIDI_SET_FILE));
    {
        FileDialogAnswer none;
        Click(Page(), IDC_MIDI_CUSTOM_SET);
        EXPECT_EQ(0, none.Count());
    }
    EXPECT_TRUE(IsChecked(Page(), IDC_MIDI_CUSTOM_SET));
    EXPECT_EQ(0u, bench.Mixer().GetUseDefaultSet());
    EXPECT_EQ(1u, Stored(kOverrideDefaultSetValue));
    Click(Page(), IDC_MIDI_DEFAULT_SET);
    EXPECT_TRUE(IsChecked(Page(), IDC_MIDI_DEFAULT_SET));
    EXPECT_EQ(0u, Stored(kOverrideDefaultSetValue));
}

TEST_F(MidiPageTest, BrowseNamesTheChosenFile)
{
    Start(SimCardModel::Six, 32, 256);
    TempFile file;
    {
        FileDialogAnswer choose(file.Path());
        Click(Page(), IDC_MIDI_BROWSE);
        EXPECT_EQ(1, choose.Count());
    }
    EXPECT_STREQ(file.Path().c_str(), bench.Mixer().GetCustomSetFile());
    EXPECT_EQ(CNVP4PageMidi::FileNameOf(file.Path().c_str()), TextOf(Page(), IDC_MIDI_SET_FILE));
    const StoredValue stored = ReadMachineValue(kWavetableKey, kOverrideSetFileValue);
    EXPECT_EQ(file.Path(), std::string(reinterpret_cast<const char*>(stored.data.data())));
}

} // namespace
