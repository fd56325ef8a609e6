// The card's pages read the card again when their tab is clicked: a value that
// changed while another tab was in front is on the page when it comes to the front.
#include "app/main_sheet.h"

#include "dialogs/record_ids.h"
#include "dialogs/settings3d_ids.h"
#include "driver/card_mixer.h"
#include "driver/speaker_keys.h"
#include "platform/panel_values.h"
#include "string_ids.h"
#include "support/card_bench.h"
#include "support/key_input.h"
#include "support/message_pump.h"
#include "support/registry_tree_guard.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Tab order on the six-channel card.
constexpr int kPlaybackTab = 0;
constexpr int kRecordTab = 2;
constexpr int kSettingsTab = 6;

class PageActivationTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteGlobalHotKeysSwitch(false));
        ASSERT_TRUE(m_bench.Start(SimCardModel::Six));
        m_sheet = std::make_unique<VUDO4Ruruz>(IDS_SHORT_NAME, &m_bench.Mixer());
        ASSERT_TRUE(m_sheet->Create(nullptr, VUDO4Ruruz::kWindowStyle));
        m_sheet->ShowWindow(SW_SHOWNORMAL);
        SetForegroundWindow(m_sheet->m_hWnd);
        PumpUntil([&] { return GetForegroundWindow() == m_sheet->m_hWnd; }, 3000);
        // The first click into a fresh window may only focus it.
        ClickTab(m_sheet->GetTabControl(), kPlaybackTab);
    }
    void TearDown() override
    {
        m_sheet.reset();
        DrainMessages();
    }
    void ClickTabOf(int tab)
    {
        ClickTab(m_sheet->GetTabControl(), tab);
        PumpUntil([&] { return m_sheet->GetActiveIndex() == tab; }, 2000);
        ASSERT_EQ(tab, m_sheet->GetActiveIndex());
    }
    HWND ItemOf(MainSheetPage page, int id) { return GetDlgItem(m_sheet->Page(page)->m_hWnd, id); }
    bool Checked(MainSheetPage page, int id) { return SendMessageA(ItemOf(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    CardBench m_bench;
    RegistryTreeGuard m_panelValues{HKEY_LOCAL_MACHINE, kControlPanelKey};
    std::unique_ptr<VUDO4Ruruz> m_sheet;
};

} // namespace

TEST_F(PageActivationTest, SettingsAndRecordShowWhatChangedWhileAnotherTabWasInFront)
{
    CCardMixer& card = m_bench.Mixer();
    ASSERT_NE(kSpeakerStereo, card.GetSpeakerConfig() & 0xFF);
    ASSERT_EQ(0u, card.GetSensaura3D());
    ClickTabOf(kSettingsTab);
    ClickTabOf(kRecordTab);
    ClickTabOf(kPlaybackTab);

    // Changed behind the pages' backs, as another program changes the driver's values.
    card.SetSpeakerConfig(kSpeakerStereo);
    card.SetSensaura3D(1);
    const DWORD aec = card.GetAecMode() == kAecAlways ? kAecNever : kAecAlways;
    card.SetAecMode(aec);

    ClickTabOf(kSettingsTab);
    const HWND list = ItemOf(MainSheetPage::Settings3D, IDC_3D_SPEAKER_CONFIG);
    const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(kSpeakerStereo, static_cast<DWORD>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0)));
    EXPECT_TRUE(Checked(MainSheetPage::Settings3D, IDC_3D_SENSAURA));
    EXPECT_TRUE(IsWindowEnabled(ItemOf(MainSheetPage::Settings3D, IDC_3D_MACROFX)));

    ClickTabOf(kRecordTab);
    EXPECT_EQ(aec == kAecAlways, Checked(MainSheetPage::Record, IDC_RECORD_AEC_ALWAYS));
    EXPECT_EQ(aec == kAecNever, Checked(MainSheetPage::Record, IDC_RECORD_AEC_NEVER));
    EXPECT_FALSE(Checked(MainSheetPage::Record, IDC_RECORD_AEC_AUTO));
}
