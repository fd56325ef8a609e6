// The Misc page inside the panel: Load and Save through the real file dialogs of
// the main sheet, the colour setup shown on the whole panel, and the autostart
// command, run as written, starting the panel hidden in the notification area.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_sheet.h"
#include "dialogs/misc_ids.h"
#include "misc_sheet.h"
#include "driver/driver_keys.h"
#include "platform/panel_values.h"
#include "platform/registry.h"
#include "simcard/sim_mixer_store.h"
#include "skin/color_editor/cool_color_dialog.h"
#include "skin/scheme/cool_messages.h"
#include "string_ids.h"
#include "support/card_bench.h"
#include "support/message_pump.h"
#include "support/modal_script.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"
#include "support/temp_folder.h"

namespace {

const char* const kProduct = "Halvard 5.1+";
// The file name box of the system's file dialogs (old and new layout).
constexpr int kFileNameBoxes[] = {1148, 1152};

void AnswerFileDialog(HWND dialog, const std::string& path)
{
    for (int box : kFileNameBoxes)
        SetDlgItemTextA(dialog, box, path.c_str());
    ModalScript::Click(dialog, IDOK);
}

class MiscPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteGlobalHotKeysSwitch(false));
        ASSERT_TRUE(m_bench.Start(SimCardModel::Six));
        m_sheet = std::make_unique<VUDO4Ruruz>(IDS_SHORT_NAME, &m_bench.Mixer());
        ASSERT_TRUE(m_sheet->Create(nullptr, VUDO4Ruruz::kWindowStyle));
        m_sheet->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        m_sheet->ShowWindow(SW_SHOWNORMAL);
        ASSERT_TRUE(m_sheet->SetActivePage(m_sheet->Page(MainSheetPage::Misc)));
        DrainMessages();
    }
    void TearDown() override { m_sheet.reset(); }

    HWND Misc() const { return m_sheet->Page(MainSheetPage::Misc)->m_hWnd; }
    void Click(int id) const
    {
        SendMessageA(GetDlgItem(Misc(), id), BM_CLICK, 0, 0);
        DrainMessages();
    }
    DWORD MasterVolume()
    {
        MixerControlEntry* entry = nullptr;
        DWORD left = 0, right = 0;
        if (m_bench.Mixer().GetControl(0, -1, 0, entry))
            m_bench.Mixer().GetUnsignedPair(entry->control.dwControlID, left, right);
        return left;
    }
    void SetMasterVolume(DWORD value)
    {
        MixerControlEntry* entry = nullptr;
        ASSERT_TRUE(m_bench.Mixer().GetControl(0, -1, 0, entry));
        ASSERT_TRUE(m_bench.Mixer().SetUnsignedPair(entry->control.dwControlID, value, value));
    }

    RegistryTreeGuard m_panelValues{HKEY_LOCAL_MACHINE, kControlPanelKey};
    RegistryValueGuard m_run{HKEY_LOCAL_MACHINE, kAutostartKey, kProduct, kSharedSoftwareView};
    CardBench m_bench;
    std::unique_ptr<VUDO4Ruruz> m_sheet;
};


} // namespace

TEST_F(MiscPanelTest, LoadAndSaveGoThroughTheFileDialogs)
{
    TempFolder folder;
    const std::string file = folder.File("misc.msp");
    SetMasterVolume(0x4000);
    {
        ModalScript script;
        script.Then("Save As", [&](HWND dialog) { AnswerFileDialog(dialog, file); });
        Click(IDC_MISC_SAVE);
        EXPECT_TRUE(script.Done());
    }
    EXPECT_NE(std::string::npos, ReadFileBytes(file).find(kProduct));

    SetMasterVolume(0xC000);
    {
        ModalScript script;
        script.Then("Open", [&](HWND dialog) { AnswerFileDialog(dialog, file); });
        Click(IDC_MISC_LOAD);
        EXPECT_TRUE(script.Done());
    }
    EXPECT_EQ(0x4000u, MasterVolume() & 0xF000u);
}

TEST_F(MiscPanelTest, ColourSetupRepaintsThePanel)
{
    ModalScript script;
    script.Then("Color Settings", [](HWND editor) { TakeFlatSet(editor, "Grey 2"); });
    Click(IDC_MISC_COLOR_SETUP);
    EXPECT_TRUE(script.Done());
    PumpFor(200);
    const COLORREF grey2 = 0x626258;
    RECT client = {};
    GetClientRect(m_sheet->m_hWnd, &client);
    EXPECT_EQ(grey2, ScreenPixelOf(m_sheet->m_hWnd, client.right - 4, client.bottom - 4)) << "the sheet";
    EXPECT_EQ(grey2, ScreenPixelOf(Misc(), 4, 190)) << "the page";
    EXPECT_EQ(grey2, ScreenPixelOf(GetDlgItem(Misc(), IDC_MISC_LOAD), 5, 10)) << "a control";
    // Another page takes the colours too.
    m_sheet->SetActivePage(m_sheet->Page(MainSheetPage::Playback));
    PumpFor(200);
    COLORREF playback = CLR_INVALID;
    SendMessageA(m_sheet->Page(MainSheetPage::Playback)->m_hWnd, WM_COOL_GETCOLOR, CCOL_BACKGROUND,
                 reinterpret_cast<LPARAM>(&playback));
    EXPECT_EQ(grey2, playback);
}

// The command the page stores, run as it stands: the panel (copied to the system
// directory under its product name) starts with nothing on the screen and stays
// in the notification area when closed.
TEST_F(MiscPanelTest, TheAutostartCommandStartsThePanelInTheTray)
{
    RemoveAutostart(kProduct);
    Click(IDC_MISC_SHOW_TASKBAR_ICON);
    char stored[kAutostartBufferSize] = {};
    ASSERT_TRUE(ReadAutostart(kProduct, stored, sizeof(stored)));
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string installed = std::string(system) + "\\" + kProduct + ".exe";
    EXPECT_EQ("\"" + installed + "\" /minimize", std::string(stored));

    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string built = self;
    built = built.substr(0, built.find_last_of('\\'));
    built = built.substr(0, built.find_last_of('\\')) + "\\" + kProduct + ".exe";
    // The sheet of this test must not be taken for the started panel's.
    m_sheet.reset();
    RegistryTreeGuard driverTree{HKEY_LOCAL_MACHINE, kDriverSettingsKey};
    RegistryTreeGuard mixerStore{HKEY_CURRENT_USER, SimMixerStore::DefaultKey()};
    ASSERT_TRUE(CopyFileA(built.c_str(), installed.c_str(), FALSE)) << built;
    PROCESS_INFORMATION process = {};
    // The started panel and the copy go whatever the checks find.
    struct Cleanup {
        PROCESS_INFORMATION& process;
        std::string copy;
        ~Cleanup()
        {
            if (process.hProcess != nullptr) {
                TerminateProcess(process.hProcess, 1);
                WaitForSingleObject(process.hProcess, 5000);
                CloseHandle(process.hThread);
                CloseHandle(process.hProcess);
            }
            DeleteFileA(copy.c_str());
        }
    } cleanup{process, installed};

    SetEnvironmentVariableA("HALVARD_SIMCARD", "six");
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::string commandLine = stored;
    const bool started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                        &startup, &process) != FALSE;
    SetEnvironmentVariableA("HALVARD_SIMCARD", nullptr);
    ASSERT_TRUE(started);
    HWND panel = nullptr;
    PumpUntil(
        [&] {
            panel = FindWindowA(nullptr, "Halvard");
            DWORD owner = 0;
            GetWindowThreadProcessId(panel, &owner);
            return panel != nullptr && owner == process.dwProcessId;
        },
        20000);
    ASSERT_NE(nullptr, panel);
    PumpFor(1000);
    EXPECT_FALSE(IsWindowVisible(panel)) << "nothing on the screen";
    // Closing while the tray icon is there only hides the panel.
    PostMessageA(panel, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(process.hProcess, 1500));
    // The tray menu's "Exit" ends it.
    PostMessageA(panel, WM_COMMAND, CCoolPropertySheet::kTrayExitCommand, 0);
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(process.hProcess, 10000));
}
