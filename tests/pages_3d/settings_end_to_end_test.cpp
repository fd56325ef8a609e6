// The 3D Settings page inside the main sheet, driven by input as the user gives it:
// the mouse drags a source over the positioner while the simulated driver hears
// each step and the scheme is stored on release; Ctrl+Alt+4 leaves the page in
// front with quad speakers chosen.
#include "app/main_sheet.h"

#include "dialogs/settings3d_ids.h"
#include "driver/card_requests.h"
#include "driver/source_positions.h"
#include "platform/panel_values.h"
#include "settings_page_bench.h"
#include "string_ids.h"
#include "support/card_bench.h"
#include "support/key_input.h"
#include "support/message_pump.h"
#include "support/registry_tree_guard.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class SettingsEndToEnd : public testing::Test {
protected:
    void Start(bool hotkeys)
    {
        ASSERT_TRUE(WriteGlobalHotKeysSwitch(hotkeys));
        ASSERT_TRUE(m_bench.Start(SimCardModel::Six));
        m_sheet = std::make_unique<VUDO4Ruruz>(IDS_SHORT_NAME, &m_bench.Mixer());
        ASSERT_TRUE(m_sheet->Create(nullptr, VUDO4Ruruz::kWindowStyle));
        m_sheet->ShowWindow(SW_SHOWNORMAL);
        SetForegroundWindow(m_sheet->m_hWnd);
        PumpUntil([&] { return GetForegroundWindow() == m_sheet->m_hWnd; }, 3000);
    }
    void TearDown() override
    {
        if (m_sheet && m_sheet->m_hWnd != nullptr)
            m_sheet->DestroyWindow();
        DrainMessages();
        m_sheet.reset();
    }
    CNVP51PageSettings* Settings()
    {
        return static_cast<CNVP51PageSettings*>(m_sheet->Page(MainSheetPage::Settings3D));
    }

    CardBench m_bench;
    SimSoundSystem m_system;
    SimSoundInstallation m_sound{m_system};
    RegistryTreeGuard m_panelValues{HKEY_LOCAL_MACHINE, kControlPanelKey};
    std::unique_ptr<VUDO4Ruruz> m_sheet;
};

} // namespace

TEST_F(SettingsEndToEnd, MouseDragSendsEachStepToTheDriverAndStoresTheSchemeOnRelease)
{
    Start(false);
    ASSERT_TRUE(m_sheet->SetActivePage(Settings()));
    PumpFor(200);
    CNVP51PageSettings& page = *Settings();
    C2dPositioner& positioner = page.GetPositioner();
    positioner.SetCurSel(0);
    int x = 0;
    int y = 0;
    ASSERT_EQ(1, positioner.GetItemPos(0, &x, &y));
    RECT client = {};
    positioner.GetClientRect(&client);
    POINT start = LogicalToClient(positioner.GetRange(), client.right, client.bottom, {x, y});
    POINT end = LogicalToClient(positioner.GetRange(), client.right, client.bottom, {30, 100});
    positioner.ClientToScreen(&start);
    positioner.ClientToScreen(&end);

    const StoredScheme before = ReadStoredScheme(kCurrentSchemeSubkey);
    m_bench.Driver().ClearLog();
    GlideTo(start);
    LeftButton(true);
    EXPECT_TRUE(positioner.IsDragging());
    GlideTo(end);
    int whileDragging = 0;
    for (const SimDriverRequest& request : m_bench.Driver().Log())
        if (request.code == CMD_SOURCE_POSITION && request.arguments[0] == 0)
            ++whileDragging;
    EXPECT_GE(whileDragging, 4) << "each step reaches the driver at once";
    EXPECT_EQ(before.balance, ReadStoredScheme(kCurrentSchemeSubkey).balance) << "stored only on release";
    LeftButton(false);
    PumpFor(200);
    EXPECT_FALSE(positioner.IsDragging());

    ASSERT_EQ(1, positioner.GetItemPos(0, &x, &y));
    EXPECT_NEAR(30, x, 1);
    EXPECT_NEAR(100, y, 1);
    EXPECT_EQ(x, m_bench.Driver().State().speakers.balance[0]);
    EXPECT_EQ(y, m_bench.Driver().State().speakers.fader[0]);
    const StoredScheme current = ReadStoredScheme(kCurrentSchemeSubkey);
    ASSERT_EQ(19u, current.balance.size());
    EXPECT_EQ(x, current.balance[0]);
    EXPECT_EQ(y, current.fader[0]);
    EXPECT_EQ(kSchemeFlagsSingle, current.flags);
    EXPECT_TRUE(page.IsModified());
}

TEST_F(SettingsEndToEnd, CtrlAltFourLeavesThisPageInFrontWithQuadChosen)
{
    Start(true);
    ASSERT_TRUE(m_sheet->AreHotkeysRegistered());
    PressKeys({VK_CONTROL, VK_MENU, '4'});
    EXPECT_EQ(Settings(), m_sheet->GetActivePage());
    EXPECT_EQ(3u, m_bench.Mixer().GetSpeakerConfig() & 0xFF);
    EXPECT_EQ(3u, m_bench.Driver().State().speakers.speakerConfig & 0xFF);
    HWND list = GetDlgItem(Settings()->m_hWnd, IDC_3D_SPEAKER_CONFIG);
    const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(3, SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
}

TEST_F(SettingsEndToEnd, ANewNameTypedBeforeTheSheetWasMinimisedLeavesTheNextDropSaveable)
{
    Start(false);
    ASSERT_TRUE(m_sheet->SetActivePage(Settings()));
    PumpFor(200);
    CNVP51PageSettings& page = *Settings();
    const HWND combo = GetDlgItem(page.m_hWnd, IDC_3D_SCHEME);
    RECT field = {};
    GetClientRect(combo, &field);
    // The first click into a fresh window may only focus it: the active tab takes it.
    ClickTab(m_sheet->GetTabControl(), m_sheet->GetActiveIndex());
    ClickAt(ScreenPoint(combo, {field.right / 3, field.bottom / 2}));
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    for (WORD key : {'S', 'T', 'A', 'G', 'E'})
        PressKeys({key});
    EXPECT_TRUE(page.IsNewName());
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page.m_hWnd, IDC_3D_SCHEME_ADD)));

    // Minimised and restored: the page reads the card again, the typed name is gone.
    m_sheet->ShowWindow(SW_MINIMIZE);
    PumpFor(100);
    m_sheet->ShowWindow(SW_RESTORE);
    SetForegroundWindow(m_sheet->m_hWnd);
    PumpFor(200);
    EXPECT_FALSE(page.IsNewName());
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page.m_hWnd, IDC_3D_SCHEME_ADD)));

    // A source dragged and dropped: the change can be saved to the scheme shown.
    C2dPositioner& positioner = page.GetPositioner();
    positioner.SetCurSel(0);
    int x = 0;
    int y = 0;
    ASSERT_EQ(1, positioner.GetItemPos(0, &x, &y));
    RECT client = {};
    positioner.GetClientRect(&client);
    const POINT start = LogicalToClient(positioner.GetRange(), client.right, client.bottom, {x, y});
    const POINT end = LogicalToClient(positioner.GetRange(), client.right, client.bottom, {40, 90});
    GlideTo(ScreenPoint(positioner.m_hWnd, start));
    DragTo(ScreenPoint(positioner.m_hWnd, end));
    PumpFor(200);
    EXPECT_TRUE(page.IsModified());
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page.m_hWnd, IDC_3D_SCHEME_SAVE)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page.m_hWnd, IDC_3D_SCHEME_RESTORE)));
}
