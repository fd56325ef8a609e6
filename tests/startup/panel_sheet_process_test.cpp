// The panel executable's main sheet under Wine: the tray (close hides, a
// double-click and "Show" bring it back, "Exit" ends with the card's S/PDIF values
// written back; without the icon close ends), and settings files saved through the
// real file dialog, also onto a read-only file and onto a disk that fills up.
#include "startup/panel_process.h"

#include "driver/driver_keys.h"
#include "driver/spdif_settings.h"
#include "platform/panel_values.h"
#include "platform/registry.h"
#include "simcard/sim_mixer_store.h"
#include "support/card_bench.h"
#include "support/message_pump.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const char* kProduct = "Halvard 5.1+";
const char* kSheetCaption = "Halvard";
constexpr DWORD kStartMs = 20000;
constexpr UINT kTrayCallback = 0x514;
constexpr WPARAM kTrayExit = 32772;
constexpr WPARAM kTrayShow = 32773;
constexpr WPARAM kSaveHotkey = 34;
// The file name box of the system's file dialogs (old and new layout).
constexpr int kFileNameBoxes[] = {1148, 1152};

class PanelSheetProcessTest : public testing::Test {
protected:
    PanelSheetProcessTest() { WriteGlobalHotKeysSwitch(false); }

    RegistryTreeGuard m_driverTree{HKEY_LOCAL_MACHINE, kDriverSettingsKey};
    RegistryTreeGuard m_mixerStore{HKEY_CURRENT_USER, SimMixerStore::DefaultKey()};
    RegistryValueGuard m_autostart{HKEY_LOCAL_MACHINE, kAutostartKey, kProduct, kSharedSoftwareView};
};

// Answers the panel's file dialog with the path and collects its message boxes
// (answered Yes where they ask, OK otherwise) until the panel shows nothing more.
std::vector<std::string> SaveThroughDialog(const PanelProcess& panel, HWND sheet, const std::string& path)
{
    std::vector<std::string> messages;
    PostMessageA(sheet, WM_HOTKEY, kSaveHotkey, 0);
    bool named = false;
    std::set<HWND> fileDialogs;
    const DWORD start = GetTickCount();
    DWORD quietSince = GetTickCount();
    // Done once the dialog was answered and nothing more came for a while.
    while (GetTickCount() - start < kStartMs && (!named || GetTickCount() - quietSince < 3000)) {
        for (HWND window : panel.VisibleWindows()) {
            if (window == sheet || ClassOf(window) != "#32770")
                continue;
            quietSince = GetTickCount();
            if (GetDlgItem(window, 0xFFFF) != nullptr && GetDlgItem(window, kFileNameBoxes[0]) == nullptr) {
                // A message box: the overwrite question gets Yes, the rest OK.
                const bool question = GetDlgItem(window, IDYES) != nullptr;
                if (!question)
                    messages.push_back(MessageBoxText(window));
                PostMessageA(window, WM_COMMAND, question ? IDYES : IDOK, 0);
            } else if (fileDialogs.insert(window).second) {
                // The key pressed again while the dialog is open opens no second one.
                PostMessageA(sheet, WM_HOTKEY, kSaveHotkey, 0);
                PumpFor(500);
            } else if (!named) {
                for (int box : kFileNameBoxes)
                    SetDlgItemTextA(window, box, path.c_str());
                named = true;
                PostMessageA(window, WM_COMMAND, IDOK, 0);
            }
        }
        PumpFor(100);
    }
    if (fileDialogs.size() != 1)
        messages.push_back(std::to_string(fileDialogs.size()) + " file dialogs");
    return messages;
}

} // namespace

TEST_F(PanelSheetProcessTest, TrayCloseHidesShowAndDoubleClickBringBackExitEnds)
{
    ASSERT_TRUE(WriteAutostart(kProduct, "\"C:\\Halvard\\Halvard 5.1+.exe\" -minimize"));
    PanelProcess panel("", "six");
    HWND sheet = panel.WaitForWindow(kSheetCaption, kStartMs);
    ASSERT_NE(nullptr, sheet);

    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } backs[] = {{"double-click", kTrayCallback, 1, WM_LBUTTONDBLCLK}, {"Show", WM_COMMAND, kTrayShow, 0}};
    for (const auto& back : backs) {
        SCOPED_TRACE(back.what);
        PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(sheet); }, kStartMs));
        PumpFor(300);
        EXPECT_TRUE(panel.IsRunning()) << "closing with the tray icon only hides";
        PostMessageA(sheet, back.message, back.wParam, back.lParam);
        EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(sheet) && !IsIconic(sheet); }, kStartMs));
    }
    // A double-click on another icon's ID is not the panel's.
    PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(sheet); }, kStartMs));
    PostMessageA(sheet, kTrayCallback, 2, WM_LBUTTONDBLCLK);
    PumpFor(500);
    EXPECT_FALSE(IsWindowVisible(sheet));

    // "Exit" ends the process, and the card writes its S/PDIF values back as it goes.
    DeleteRawValue(HKEY_LOCAL_MACHINE, kSpdifKey, kSpdifInputModeValue);
    PostMessageA(sheet, WM_COMMAND, kTrayExit, 0);
    DWORD exitCode = 99;
    ASSERT_TRUE(panel.WaitForExit(kStartMs, &exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_TRUE(ReadMachineValue(kSpdifKey, kSpdifInputModeValue).found);
}

TEST_F(PanelSheetProcessTest, WithoutTheTrayIconCloseEndsThePanel)
{
    RemoveAutostart(kProduct);
    PanelProcess panel("", "four");
    HWND sheet = panel.WaitForWindow(kSheetCaption, kStartMs);
    ASSERT_NE(nullptr, sheet);
    PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = 99;
    ASSERT_TRUE(panel.WaitForExit(kStartMs, &exitCode));
    EXPECT_EQ(0u, exitCode);
}

TEST_F(PanelSheetProcessTest, SavesThroughTheFileDialogWholeOrNotAtAll)
{
    TempFolder folder;
    const std::string target = folder.File("mine.msp");
    const std::string earlier = "an earlier settings file\r\n";
    const std::string failure = "The settings file could not be saved. A file already there was left unchanged.";
    const struct {
        const char* what;
        bool readOnly;
        const char* diskBytes;
        bool saved;
    } cases[] = {
        {"a plain save over the earlier file", false, nullptr, true},
        {"a read-only target", true, nullptr, false},
        {"a disk full after 100 bytes", false, "100", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
        ASSERT_TRUE(WriteFileBytes(target, earlier));
        if (c.readOnly) {
            ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
        }
        SetEnvironmentVariableA("HALVARD_SIMDISK_BYTES", c.diskBytes);
        PanelProcess panel("", "six");
        SetEnvironmentVariableA("HALVARD_SIMDISK_BYTES", nullptr);
        HWND sheet = panel.WaitForWindow(kSheetCaption, kStartMs);
        ASSERT_NE(nullptr, sheet);

        const std::vector<std::string> messages = SaveThroughDialog(panel, sheet, target);
        const std::string bytes = ReadFileBytes(target);
        if (c.saved) {
            EXPECT_TRUE(messages.empty());
            EXPECT_NE(std::string::npos, bytes.find(kProduct)) << bytes.substr(0, 200);
        } else {
            EXPECT_EQ(std::vector<std::string>{failure}, messages);
            EXPECT_EQ(earlier, bytes) << "the earlier file is left byte for byte";
        }
        EXPECT_EQ(std::vector<std::string>{"mine.msp"}, folder.Names()) << "nothing of ours is left beside it";
        EXPECT_TRUE(panel.IsRunning());
    }
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

namespace {

struct SheetSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindSheet(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<SheetSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof(caption));
    if (owner == search->process && std::string(caption) == kSheetCaption && ClassOf(window) == "#32770")
        search->found = window;
    return TRUE;
}

} // namespace

TEST_F(PanelSheetProcessTest, MinimizeHidesInTheTrayOrMinimizesWithoutIt)
{
    for (bool autostart : {true, false}) {
        SCOPED_TRACE(autostart ? "autostart on" : "autostart off");
        if (autostart) {
            ASSERT_TRUE(WriteAutostart(kProduct, "\"C:\\Halvard\\Halvard 5.1+.exe\" -minimize"));
        } else {
            RemoveAutostart(kProduct);
        }
        PanelProcess panel("-minimize", "six");
        SheetSearch search{panel.Id(), nullptr};
        PumpUntil([&] {
            EnumWindows(&FindSheet, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        }, kStartMs);
        ASSERT_NE(nullptr, search.found);
        // The window exists early in start-up; what it shows is decided at its end.
        EXPECT_TRUE(panel.WaitForIdle(kStartMs));
        PumpFor(500);
        EXPECT_TRUE(panel.IsRunning());
        if (autostart) {
            EXPECT_TRUE(panel.VisibleWindows().empty()) << "nothing on the screen";
        } else {
            EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(search.found) && IsIconic(search.found); }, kStartMs))
                << "minimized";
        }
    }
}
