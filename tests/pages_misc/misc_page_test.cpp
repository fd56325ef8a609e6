// The Misc page: the versions of the About text and where the driver file is
// looked for, autostart with the tray icon (also when the Run value cannot be
// changed), the global hotkeys with their warning, the colour setup stored and
// shown on the whole sheet, and the settings-file buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/dialog_ids.h"
#include "dialogs/misc_ids.h"
#include "misc_sheet.h"
#include "pages/autostart_switch.h"
#include "pages/version_texts.h"
#include "platform/file_version.h"
#include "platform/panel_values.h"
#include "platform/registry.h"
#include "platform/registry_functions.h"
#include "simcard/sim_system.h"
#include "skin/color_editor/cool_color_dialog.h"
#include "skin/scheme/cool_messages.h"
#include "string_ids.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"
#include "support/modal_script.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"
#include "support/temp_folder.h"

namespace {

const char* const kProduct = "Halvard 5.1+";

// Version information of files that exist only for the test: a path with
// information answers with the given product version, or fails to be read.
struct PlayedFile {
    std::string path;
    DWORD versionMs;
    DWORD versionLs;
    bool readable;
};

class PlayedVersions {
public:
    explicit PlayedVersions(std::vector<PlayedFile> files)
    {
        s_files = std::move(files);
        s_asked.clear();
        SetFileVersionFunctions({&Size, &Info, &Query});
    }
    ~PlayedVersions() { RestoreWindowsFileVersionFunctions(); }
    static const std::vector<std::string>& Asked() { return s_asked; }

private:
    static const PlayedFile* Find(const char* path)
    {
        for (const PlayedFile& file : s_files)
            if (file.path == path)
                return &file;
        return nullptr;
    }
    static DWORD WINAPI Size(LPCSTR path, LPDWORD handle)
    {
        s_asked.emplace_back(path);
        *handle = 0;
        return Find(path) != nullptr ? sizeof(VS_FIXEDFILEINFO) + 16 : 0;
    }
    static BOOL WINAPI Info(LPCSTR path, DWORD, DWORD size, LPVOID data)
    {
        const PlayedFile* file = Find(path);
        if (file == nullptr || !file->readable || size < sizeof(VS_FIXEDFILEINFO))
            return FALSE;
        VS_FIXEDFILEINFO info = {};
        info.dwSignature = VS_FFI_SIGNATURE;
        info.dwProductVersionMS = file->versionMs;
        info.dwProductVersionLS = file->versionLs;
        std::memcpy(data, &info, sizeof(info));
        return TRUE;
    }
    static BOOL WINAPI Query(LPCVOID block, LPCSTR name, LPVOID* out, PUINT length)
    {
        if (std::strcmp(name, "\\") != 0)
            return FALSE;
        *out = const_cast<LPVOID>(block);
        *length = sizeof(VS_FIXEDFILEINFO);
        return TRUE;
    }

    static std::vector<PlayedFile> s_files;
    static std::vector<std::string> s_asked;
};
std::vector<PlayedFile> PlayedVersions::s_files;
std::vector<std::string> PlayedVersions::s_asked;

// The system's version functions, counting the files asked for.
class CountedVersions {
public:
    CountedVersions()
    {
        s_asked = 0;
        const FileVersionFunctions& real = WindowsFileVersionFunctions();
        SetFileVersionFunctions({&Size, real.getFileVersionInfo, real.verQueryValue});
    }
    ~CountedVersions() { RestoreWindowsFileVersionFunctions(); }
    static int Asked() { return s_asked; }

private:
    static DWORD WINAPI Size(LPCSTR path, LPDWORD handle)
    {
        ++s_asked;
        return WindowsFileVersionFunctions().getFileVersionInfoSize(path, handle);
    }
    static int s_asked;
};
int CountedVersions::s_asked = 0;

// Run-value writes and deletions that fail, as for a user without rights there.
class LockedRunValue {
public:
    LockedRunValue() { SetRegistryWriteFunctions({&Set, &Delete}); }
    ~LockedRunValue() { RestoreWindowsRegistryWriteFunctions(); }

private:
    static bool IsRunValue(LPCSTR name) { return name != nullptr && std::strcmp(name, kProduct) == 0; }
    static LONG WINAPI Set(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size)
    {
        if (IsRunValue(name))
            return ERROR_ACCESS_DENIED;
        return WindowsRegistryWriteFunctions().setValueEx(key, name, reserved, type, data, size);
    }
    static LONG WINAPI Delete(HKEY key, LPCSTR name)
    {
        if (IsRunValue(name))
            return ERROR_ACCESS_DENIED;
        return WindowsRegistryWriteFunctions().deleteValue(key, name);
    }
};

std::string StoredRunValue()
{
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!ReadRawValue(HKEY_LOCAL_MACHINE, kAutostartKey, kProduct, type, data, kSharedSoftwareView))
        return "(none)";
    return std::string(data.begin(), data.end()).c_str();
}

DWORD StoredPanelNumber(const char* name)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    DWORD value = 0xDEADBEEF;
    if (ReadRawValue(HKEY_LOCAL_MACHINE, kControlPanelKey, name, type, data) && data.size() == 4)
        std::memcpy(&value, data.data(), 4);
    return value;
}

COLORREF SchemeColor(HWND window, int role)
{
    COLORREF color = CLR_INVALID;
    SendMessageA(window, WM_COOL_GETCOLOR, static_cast<WPARAM>(role), reinterpret_cast<LPARAM>(&color));
    return color;
}

class MiscPageTest : public testing::Test {
protected:
    RegistryValueGuard m_run{HKEY_LOCAL_MACHINE, kAutostartKey, kProduct, kSharedSoftwareView};
    RegistryTreeGuard m_panel{HKEY_LOCAL_MACHINE, kControlPanelKey};
};

} // namespace

TEST(MiscVersions, TheDriverFileIsLookedForInFourPlacesInOrder)
{
    const std::vector<std::string> places = {"dizuda.sys", "C:\\windows\\system\\dizuda.sys",
                                             "C:\\windows\\system\\drivers\\dizuda.sys",
                                             "C:\\windows\\system32\\drivers\\dizuda.sys"};
    EXPECT_EQ(places, DriverFileCandidates("C:\\windows\\system"));
    EXPECT_EQ(std::vector<std::string>{"dizuda.sys"}, DriverFileCandidates(""));
    // Paths that do not fit 260 characters are left out, never cut.
    const std::string deep(245, 'd');
    EXPECT_EQ(2u, DriverFileCandidates(deep.c_str()).size());

    SimSystemInstallation xp(SimSystem::WindowsXp, "C:\\windows\\system32");
    const struct {
        std::vector<PlayedFile> files;
        std::string text;
        size_t attempts;
    } cases[] = {
        {{{"C:\\windows\\system32\\drivers\\dizuda.sys", 0x00050001, 0x0A280007, true}}, "5.1.2600.7", 3},
        {{{"dizuda.sys", 0x00010002, 0x00030004, true}}, "1.2.3.4", 1},
        {{{"C:\\windows\\system32\\drivers\\dizuda.sys", 1, 1, false}}, "Not available", 3},
        {{}, "not installed", 4},
    };
    for (const auto& c : cases) {
        PlayedVersions played(c.files);
        EXPECT_EQ(c.text, DriverVersionText());
        EXPECT_EQ(c.attempts, PlayedVersions::Asked().size()) << c.text;
    }
}

TEST(MiscVersions, RealFilesAndThePanelsOwnVersion)
{
    // The driver file exists only in the "drivers" folder of a played system directory.
    TempFolder system;
    const std::string drivers = system.File("drivers");
    ASSERT_TRUE(CreateDirectoryA(drivers.c_str(), nullptr));
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string driver = drivers + "\\dizuda.sys";
    ASSERT_TRUE(CopyFileA(self, driver.c_str(), FALSE));
    {
        SimSystemInstallation xp(SimSystem::WindowsXp, system.Path().c_str());
        CountedVersions counted;
        EXPECT_EQ("1.0.0.0", DriverVersionText());
        EXPECT_EQ(3, CountedVersions::Asked()) << "found at the third attempt";
        DeleteFileA(driver.c_str());
        EXPECT_EQ("not installed", DriverVersionText());
    }
    RemoveDirectoryA(drivers.c_str());

    EXPECT_EQ("1.0.0.0", ProgramVersionText());
    {
        PlayedVersions none({});
        EXPECT_EQ("not installed", ProgramVersionText());
    }
    {
        PlayedVersions unreadable({{self, 1, 1, false}});
        EXPECT_EQ("not available", ProgramVersionText());
    }
    SimSystemInstallation xp(SimSystem::WindowsXp, system.Path().c_str());
    EXPECT_EQ("Halvard Control Panel\nVersion 1.0.0.0\nTreiber Version: not installed\n\n"
              "Copyright \xA9 Norvalis Dirizuzaro GmbH",
              CNVP4PageMisc::AboutText());
}

TEST_F(MiscPageTest, TextsAndSwitchesShowWhatIsStored)
{
    ASSERT_TRUE(WriteAutostart(kProduct, "anything"));
    ASSERT_TRUE(WriteGlobalHotKeysSwitch(false));
    MiscSheet misc;
    const struct {
        int id;
        const char* text;
    } texts[] = {
        {IDC_MISC_PRESETS_FRAME, "Presets"},       {IDC_MISC_LOAD, "Load"},
        {IDC_MISC_SAVE, "Save"},                   {IDC_MISC_SHOW_TASKBAR_ICON, "Show Taskbar Icon"},
        {IDC_MISC_GLOBAL_HOTKEYS, "Global Hotkeys"}, {IDC_MISC_COLOR_SETUP, "Color Setup"},
        {IDC_MISC_ABOUT_FRAME, "About"},
    };
    for (const auto& item : texts) {
        char text[64] = {};
        GetWindowTextA(misc.Item(item.id), text, sizeof(text));
        EXPECT_STREQ(item.text, text);
    }
    char about[512] = {};
    GetWindowTextA(misc.Item(IDC_MISC_ABOUT_TEXT), about, sizeof(about));
    EXPECT_EQ(CNVP4PageMisc::AboutText(), about);
    EXPECT_TRUE(misc.Checked(IDC_MISC_SHOW_TASKBAR_ICON));
    EXPECT_FALSE(misc.Checked(IDC_MISC_GLOBAL_HOTKEYS));

    misc.Click(IDC_MISC_LOAD);
    misc.Click(IDC_MISC_SAVE);
    misc.Click(IDC_MISC_SAVE);
    EXPECT_EQ(1, misc.host.loads);
    EXPECT_EQ(2, misc.host.saves);
}

TEST_F(MiscPageTest, TaskbarIconAndRunValueGoTogether)
{
    // A system directory whose path holds a blank, as "Program Files" does.
    SimSystemInstallation xp(SimSystem::WindowsXp, "C:\\Program Files\\sys 32");
    RemoveAutostart(kProduct);
    MiscSheet misc;
    EXPECT_FALSE(misc.Checked(IDC_MISC_SHOW_TASKBAR_ICON));

    misc.Click(IDC_MISC_SHOW_TASKBAR_ICON);
    EXPECT_EQ("\"C:\\Program Files\\sys 32\\Halvard 5.1+.exe\" /minimize", StoredRunValue());
    EXPECT_TRUE(misc.sheet.IsTrayIconPresent());
    EXPECT_TRUE(misc.Checked(IDC_MISC_SHOW_TASKBAR_ICON));

    misc.Click(IDC_MISC_SHOW_TASKBAR_ICON);
    EXPECT_EQ("(none)", StoredRunValue());
    EXPECT_FALSE(misc.sheet.IsTrayIconPresent());

    // Changes that cannot be stored: the box and the icon show what is stored.
    {
        LockedRunValue locked;
        misc.Click(IDC_MISC_SHOW_TASKBAR_ICON);
        EXPECT_FALSE(misc.Checked(IDC_MISC_SHOW_TASKBAR_ICON));
        EXPECT_FALSE(misc.sheet.IsTrayIconPresent());
        EXPECT_EQ("(none)", StoredRunValue());
    }
    misc.Click(IDC_MISC_SHOW_TASKBAR_ICON);
    ASSERT_TRUE(misc.Checked(IDC_MISC_SHOW_TASKBAR_ICON));
    {
        LockedRunValue locked;
        misc.Click(IDC_MISC_SHOW_TASKBAR_ICON);
        EXPECT_TRUE(misc.Checked(IDC_MISC_SHOW_TASKBAR_ICON));
        EXPECT_TRUE(misc.sheet.IsTrayIconPresent());
        EXPECT_NE("(none)", StoredRunValue());
    }
}

TEST_F(MiscPageTest, ComingBackToThePageShowsTheStoredRunValueAndTheIconFollowsOnlyClicks)
{
    RemoveAutostart(kProduct);
    MiscTestHost host;
    CNVP4PageMisc page{nullptr, &host};
    CCoolPropertyPage other(IDD_PAGE_MISC, IDS_PAGE_MISC);
    CCoolPropertySheet sheet;
    sheet.Construct("Misc and another");
    sheet.AddPage(&page);
    sheet.AddPage(&other);
    ASSERT_TRUE(sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU));
    sheet.ShowWindow(SW_SHOWNOACTIVATE);
    PaintNow();
    const HWND box = GetDlgItem(page.m_hWnd, IDC_MISC_SHOW_TASKBAR_ICON);
    const auto comeBack = [&sheet] {
        sheet.SetActivePage(1);
        DrainMessages();
        sheet.SetActivePage(0);
        DrainMessages();
    };
    {
        LockedRunValue locked;
        SendMessageA(box, BM_CLICK, 0, 0);
        DrainMessages();
        comeBack();
        EXPECT_EQ(BST_UNCHECKED, SendMessageA(box, BM_GETCHECK, 0, 0)) << "nothing was stored";
        EXPECT_FALSE(sheet.IsTrayIconPresent());
        EXPECT_EQ("(none)", StoredRunValue());
    }
    // Written by another program while the page was behind another.
    ASSERT_TRUE(WriteAutostart(kProduct, "elsewhere"));
    comeBack();
    EXPECT_EQ(BST_CHECKED, SendMessageA(box, BM_GETCHECK, 0, 0));
    EXPECT_FALSE(sheet.IsTrayIconPresent()) << "the icon follows the box's clicks, not the Run value";
    sheet.DestroyWindow();
    DrainMessages();
}

TEST(MiscAutostart, TheCommandQuotesThePanelsPath)
{
    EXPECT_EQ("\"C:\\WINDOWS\\system32\\Halvard 5.1+.exe\" /minimize",
              AutostartCommandLine("C:\\WINDOWS\\system32", "Halvard 5.1+"));
}

TEST_F(MiscPageTest, GlobalHotkeysWarnWhenAKeyIsTakenAndAreStoredAnyway)
{
    // Another window holds Ctrl+S.
    const HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(other, 1, MOD_CONTROL, 'S'));
    ASSERT_TRUE(WriteGlobalHotKeysSwitch(false));
    MiscSheet misc;
    {
        MessageBoxCatcher boxes;
        misc.Click(IDC_MISC_GLOBAL_HOTKEYS);
        ASSERT_EQ(1u, boxes.Boxes().size());
        EXPECT_EQ("Warning: not all hotkeys could be set!", boxes.Boxes()[0].text);
    }
    EXPECT_EQ(1u, StoredPanelNumber("GlobalHotKeys"));
    EXPECT_EQ(34, misc.host.hotkeys.HeldCount());
    {
        MessageBoxCatcher boxes;
        misc.Click(IDC_MISC_GLOBAL_HOTKEYS);
        EXPECT_EQ(0, misc.host.hotkeys.HeldCount());
        // Ctrl+S was never ours: asking it off fails, and the user is told.
        ASSERT_EQ(1u, boxes.Boxes().size());
        EXPECT_EQ("Warning: not all hotkeys could be unregisterd!", boxes.Boxes()[0].text);
    }
    EXPECT_EQ(0u, StoredPanelNumber("GlobalHotKeys"));
    UnregisterHotKey(other, 1);
    DestroyWindow(other);
}

TEST_F(MiscPageTest, ColourSetupStoresTheSetAndRepaintsTheWholeSheet)
{
    MiscSheet misc;
    const HWND page = misc.page.m_hWnd;
    const HWND load = misc.Item(IDC_MISC_LOAD);
    const COLORREF before = SchemeColor(misc.sheet.m_hWnd, CCOL_BACKGROUND);

    // Cancel changes nothing.
    {
        ModalScript script;
        script.Then("Color Settings", [](HWND editor) {
            SendMessageA(GetDlgItem(editor, CCoolColorDialog::kReflectionsId), BM_CLICK, 0, 0);
            ModalScript::Click(editor, IDCANCEL);
        });
        misc.Click(IDC_MISC_COLOR_SETUP);
        EXPECT_TRUE(script.Done());
        EXPECT_EQ(0xDEADBEEFu, StoredPanelNumber("ColBgrd"));
        EXPECT_EQ(0xDEADBEEFu, StoredPanelNumber("RenderMode"));
        EXPECT_EQ(before, SchemeColor(misc.sheet.m_hWnd, CCOL_BACKGROUND));
    }

    // "Green", with flat fills.
    ModalScript script;
    script.Then("Color Settings", [](HWND editor) { TakeFlatSet(editor, "Green"); });
    misc.Click(IDC_MISC_COLOR_SETUP);
    EXPECT_TRUE(script.Done());
    const struct {
        const char* name;
        DWORD value;
    } stored[] = {
        {"ColBgrd", 0x5C5C34}, {"ColText", 0x6BB6FA}, {"ColLum", 0x413C32},
        {"ColSelLow", 0x0000FF}, {"ColSelHi", 0x00FFFF}, {"RenderMode", RM_AUTOSHADES},
    };
    for (const auto& value : stored)
        EXPECT_EQ(value.value, StoredPanelNumber(value.name)) << value.name;

    for (HWND window : {misc.sheet.m_hWnd, page, load}) {
        EXPECT_EQ(0x5C5C34u, SchemeColor(window, CCOL_BACKGROUND));
        EXPECT_EQ(0x00FFFFu, SchemeColor(window, CCOL_PEAKLOW));
    }
    PaintNow();
    RECT client = {};
    GetClientRect(misc.sheet.m_hWnd, &client);
    EXPECT_EQ(0x5C5C34u, ScreenPixelOf(misc.sheet.m_hWnd, client.right - 4, client.bottom - 4)) << "the sheet";
    EXPECT_EQ(0x5C5C34u, ScreenPixelOf(page, 4, 180)) << "the page";
    RECT face = {};
    GetClientRect(load, &face);
    EXPECT_EQ(0x5C5C34u, ScreenPixelOf(load, 5, face.bottom / 2)) << "a control";
}
