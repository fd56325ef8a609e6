// The panel's start in this process up to the shown main sheet, on the simulated
// card: the picture options, "minimize" with and without autostart, and a settings
// file on the command line applied before the sheet is first painted.
#include "app/main_sheet.h"
#include "app/panel_app.h"
#include "app/settings_file_commands.h"

#include "platform/panel_values.h"
#include "platform/registry.h"
#include "support/card_bench.h"
#include "support/message_pump.h"
#include "support/registry_guard.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* kProduct = "Halvard 5.1+";

// A 4 x 2 picture of 24-bit pixels, all one colour.
std::string SmallBitmap()
{
    const int width = 4, height = 2, row = width * 3, pixels = row * height;
    std::string bytes(54 + pixels, '\0');
    auto put = [&](size_t at, DWORD value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, static_cast<DWORD>(bytes.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, width, 4);
    put(22, height, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int i = 0; i < pixels; ++i)
        bytes[54 + i] = static_cast<char>(0x80);
    return bytes;
}

class StartMainWindowTest : public testing::Test {
protected:
    StartMainWindowTest()
    {
        RemoveAutostart(kProduct);
        WriteGlobalHotKeysSwitch(false);
    }

    // Starts the panel with the arguments; the sheet it shows, or null.
    VUDO4Ruruz* Start(const std::vector<std::string>& arguments)
    {
        m_bench.Install(SimCardModel::Six);
        m_app = std::make_unique<CPanelApp>(arguments);
        if (!m_app->InitInstance())
            return nullptr;
        return dynamic_cast<VUDO4Ruruz*>(m_app->m_pMainWnd);
    }
    void TearDown() override
    {
        if (m_app != nullptr)
            m_app->ExitInstance();
        m_app.reset();
    }

    RegistryValueGuard m_autostart{HKEY_LOCAL_MACHINE, kAutostartKey, kProduct, kSharedSoftwareView};
    RegistryValueGuard m_hotkeys{HKEY_LOCAL_MACHINE, kControlPanelKey, "GlobalHotKeys"};
    CardBench m_bench;
    TempFolder m_folder;
    std::unique_ptr<CPanelApp> m_app;
};

} // namespace

TEST_F(StartMainWindowTest, PictureOptionsEndWithTheirBlendLevel)
{
    const std::string picture = m_folder.File("back.bmp");
    ASSERT_TRUE(WriteFileBytes(picture, SmallBitmap()));
    const struct {
        std::vector<std::string> arguments;
        int level;
        bool blended;
        bool picture;
    } cases[] = {
        {{}, 255, false, false},
        {{"-bgop", "300"}, 255, false, false},
        {{"-bgop", "0"}, 0, false, false},
        {{"-bgop", "many"}, 0, false, false},
        {{"-bgbmp", picture}, 180, true, true},
        {{"-bgbmp", picture, "-bgop", "90"}, 90, true, true},
        {{"-bgbmp", m_folder.File("missing.bmp"), "-bgop", "90"}, 90, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        VUDO4Ruruz* sheet = Start(c.arguments);
        ASSERT_NE(nullptr, sheet);
        EXPECT_EQ(c.level, sheet->PictureBlendLevel());
        EXPECT_EQ(c.blended, (sheet->GetFlags() & RM_BLENDPICTURE) != 0);
        EXPECT_EQ(c.picture, sheet->HasPicture());
        TearDown();
    }
    VUDO4Ruruz* sheet = Start({"-spbmp", "C:\\speakers.bmp"});
    ASSERT_NE(nullptr, sheet);
    EXPECT_STREQ("C:\\speakers.bmp", sheet->SpeakerPicturePath());
    EXPECT_EQ("C:\\speakers.bmp", m_app->SpeakerPicturePath());
}

TEST_F(StartMainWindowTest, MinimizeHidesInTheTrayOrMinimizesWithoutIt)
{
    const struct {
        std::vector<std::string> arguments;
        bool autostart;
        bool visible;
        bool iconic;
    } cases[] = {
        {{}, false, true, false},
        {{}, true, true, false},
        {{"-minimize"}, true, false, false},
        {{"-minimize"}, false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments) + (c.autostart ? " autostart" : ""));
        if (c.autostart)
            ASSERT_TRUE(WriteAutostart(kProduct, "\"C:\\Halvard\\Halvard 5.1+.exe\" -minimize"));
        else
            RemoveAutostart(kProduct);
        VUDO4Ruruz* sheet = Start(c.arguments);
        ASSERT_NE(nullptr, sheet);
        EXPECT_EQ(c.autostart, sheet->IsTrayIconPresent());
        EXPECT_EQ(c.visible, IsWindowVisible(sheet->m_hWnd) != FALSE);
        EXPECT_EQ(c.iconic, IsIconic(sheet->m_hWnd) != FALSE);
        EXPECT_EQ(c.visible && !c.iconic, sheet->IsSheetVisible());
        TearDown();
    }
}

TEST_F(StartMainWindowTest, ASettingsFileOnTheCommandLineIsInPlaceBeforeTheFirstPaint)
{
    // A file saved with the master at 1000, then the master moved away.
    m_bench.Install(SimCardModel::Six);
    const std::string file = m_folder.File("start.msp");
    DWORD master = 0;
    {
        ASSERT_TRUE(m_bench.Open());
        CCardMixer& card = m_bench.Mixer();
        MixerControlEntry* entry = nullptr;
        ASSERT_TRUE(card.GetControl(0, -1, 0, entry));
        master = entry->control.dwControlID;
        ASSERT_TRUE(card.SetUnsignedPair(master, 1000, 1000));
        ASSERT_TRUE(SaveSettingsFileTo(card, file.c_str()));
        ASSERT_TRUE(card.SetUnsignedPair(master, 50000, 50000));
        m_bench.Close();
    }
    m_app = std::make_unique<CPanelApp>(std::vector<std::string>{file});
    ASSERT_TRUE(m_app->InitInstance());
    auto* sheet = dynamic_cast<VUDO4Ruruz*>(m_app->m_pMainWnd);
    ASSERT_NE(nullptr, sheet);
    // Nothing has been dispatched yet: no paint and no input has run.
    RECT update = {};
    EXPECT_TRUE(GetUpdateRect(sheet->m_hWnd, &update, FALSE)) << "the first paint is still to come";
    DWORD left = 0, right = 0;
    ASSERT_TRUE(m_app->CardMixer()->GetUnsignedPair(master, left, right));
    EXPECT_EQ(1000u, left);
    EXPECT_EQ(1000u, right);
}
