// The panel's own values and their defaults, in the local-machine keys they live in.
#include "platform/panel_values.h"

#include "platform/registry.h"
#include "support/registry_guard.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class PanelValuesTest : public testing::Test {
protected:
    PanelValuesTest() : m_keyGuard(HKEY_LOCAL_MACHINE, kControlPanelKey)
    {
        for (const PanelColourValue& colour : kPanelColours)
            Guard(colour.name);
        Guard("RenderMode");
        Guard("GlobalHotKeys");
        for (const PanelColourValue& colour : kPanelColours)
            Remove(colour.name);
        Remove("RenderMode");
        Remove("GlobalHotKeys");
    }

    void Guard(const char* name)
    {
        m_values.push_back(
            std::make_unique<RegistryValueGuard>(HKEY_LOCAL_MACHINE, kControlPanelKey, name));
    }

    static void Remove(const char* name) { DeleteRawValue(HKEY_LOCAL_MACHINE, kControlPanelKey, name); }

    static void Write(const char* name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, kControlPanelKey, name, type, data, size));
    }

    RegistryKeyGuard m_keyGuard;
    std::vector<std::unique_ptr<RegistryValueGuard>> m_values;
};

TEST_F(PanelValuesTest, AbsentValuesGiveTheDefaults)
{
    EXPECT_EQ(0x504141u, ReadPanelColour(kPanelColours[0]));
    EXPECT_EQ(0xB9B9B9u, ReadPanelColour(kPanelColours[1]));
    EXPECT_EQ(0xEB786Eu, ReadPanelColour(kPanelColours[2]));
    EXPECT_EQ(0x005AFFu, ReadPanelColour(kPanelColours[3]));
    EXPECT_EQ(0x00FF00u, ReadPanelColour(kPanelColours[4]));
    DWORD mode = 0x55;
    EXPECT_FALSE(ReadPanelRenderMode(mode));
    EXPECT_EQ(0x55u, mode);
    EXPECT_FALSE(ReadGlobalHotKeysSwitch());
}

TEST_F(PanelValuesTest, OneMissingColourTakesItsDefaultAlone)
{
    for (const PanelColourValue& colour : kPanelColours)
        ASSERT_TRUE(WritePanelColour(colour, 0x010203 + colour.role));
    Remove("ColText");
    for (const PanelColourValue& colour : kPanelColours) {
        const COLORREF expected =
            std::string(colour.name) == "ColText" ? 0xB9B9B9u : 0x010203u + colour.role;
        EXPECT_EQ(expected, ReadPanelColour(colour)) << colour.name;
    }
}

TEST_F(PanelValuesTest, RenderModeAndHotKeySwitchRoundTrip)
{
    ASSERT_TRUE(WritePanelRenderMode(0x03));
    DWORD type = 0;
    std::vector<BYTE> stored;
    ASSERT_TRUE(ReadRawValue(HKEY_LOCAL_MACHINE, kControlPanelKey, "RenderMode", type, stored));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    DWORD mode = 0;
    ASSERT_TRUE(ReadPanelRenderMode(mode));
    EXPECT_EQ(0x0Bu, mode);

    ASSERT_TRUE(WriteGlobalHotKeysSwitch(true));
    ASSERT_TRUE(ReadRawValue(HKEY_LOCAL_MACHINE, kControlPanelKey, "GlobalHotKeys", type, stored));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    EXPECT_EQ((std::vector<BYTE>{1, 0, 0, 0}), stored);
    EXPECT_TRUE(ReadGlobalHotKeysSwitch());
    ASSERT_TRUE(WriteGlobalHotKeysSwitch(false));
    EXPECT_FALSE(ReadGlobalHotKeysSwitch());
}

TEST_F(PanelValuesTest, StoredValuesOfTheWrongSizeAreReadSafely)
{
    const BYTE eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    Write("GlobalHotKeys", REG_BINARY, eight, sizeof(eight));
    EXPECT_FALSE(ReadGlobalHotKeysSwitch());
    const BYTE one[1] = {1};
    Write("GlobalHotKeys", REG_BINARY, one, sizeof(one));
    EXPECT_TRUE(ReadGlobalHotKeysSwitch());

    const BYTE colour[2] = {0x11, 0x22};
    Write("ColBgrd", REG_BINARY, colour, sizeof(colour));
    EXPECT_EQ(0x2211u, ReadPanelColour(kPanelColours[0]));
    Write("ColBgrd", REG_SZ, "a long text value", 18);
    EXPECT_EQ(0x504141u, ReadPanelColour(kPanelColours[0]));
}

TEST(Autostart, PresenceReadAndRemoval)
{
    const char* name = "Halvard Tests Autostart";
    RegistryValueGuard guard(HKEY_LOCAL_MACHINE, kAutostartKey, name, kSharedSoftwareView);
    RemoveAutostart(name);
    EXPECT_FALSE(IsAutostartOn(name));

    ASSERT_TRUE(WriteAutostart(name, "\"C:\\Halvard\\Halvard 5.1+.exe\" minimize"));
    EXPECT_TRUE(IsAutostartOn(name));
    char data[kAutostartBufferSize];
    ASSERT_TRUE(ReadAutostart(name, data, sizeof(data)));
    EXPECT_STREQ("\"C:\\Halvard\\Halvard 5.1+.exe\" minimize", data);

    // A text that does not fit the start-up buffer is refused, never cut.
    const std::string tooLong(kAutostartBufferSize, 'x');
    ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, kAutostartKey, name, REG_SZ, tooLong.data(),
                              static_cast<DWORD>(tooLong.size()), kSharedSoftwareView));
    EXPECT_FALSE(ReadAutostart(name, data, sizeof(data)));
    EXPECT_STREQ("", data);

    EXPECT_TRUE(RemoveAutostart(name));
    EXPECT_FALSE(IsAutostartOn(name));
    EXPECT_FALSE(RemoveAutostart(nullptr));
}

// What the 32-bit panel wrote, in the 32-bit registry view, the 64-bit panel finds,
// changes and removes there; its own view keeps nothing.
TEST(Autostart, SharedWithThe32BitPanel)
{
    const bool wide = sizeof(void*) == 8;
    const REGSAM thirtyTwoBitView = wide ? KEY_WOW64_32KEY : 0; // a 32-bit build has no other
    const char* name = "Halvard Tests Shared Autostart";
    RegistryValueGuard guard(HKEY_LOCAL_MACHINE, kAutostartKey, name, thirtyTwoBitView);
    RegistryValueGuard ownViewGuard(HKEY_LOCAL_MACHINE, kAutostartKey, name);
    DeleteRawValue(HKEY_LOCAL_MACHINE, kAutostartKey, name);
    const char written[] = "\"C:\\Program Files\\Halvard\\Halvard 5.1+.exe\" minimize";
    ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, kAutostartKey, name, REG_SZ, written, sizeof(written),
                              thirtyTwoBitView));

    EXPECT_TRUE(IsAutostartOn(name));
    char data[kAutostartBufferSize];
    ASSERT_TRUE(ReadAutostart(name, data, sizeof(data)));
    EXPECT_STREQ(written, data);

    ASSERT_TRUE(WriteAutostart(name, "changed"));
    DWORD type = 0;
    std::vector<BYTE> stored;
    ASSERT_TRUE(ReadRawValue(HKEY_LOCAL_MACHINE, kAutostartKey, name, type, stored, thirtyTwoBitView));
    EXPECT_EQ(std::string("changed") + '\0', std::string(stored.begin(), stored.end()));
    if (wide) {
        EXPECT_FALSE(ReadRawValue(HKEY_LOCAL_MACHINE, kAutostartKey, name, type, stored, KEY_WOW64_64KEY));
    }

    EXPECT_TRUE(RemoveAutostart(name));
    EXPECT_FALSE(ReadRawValue(HKEY_LOCAL_MACHINE, kAutostartKey, name, type, stored, thirtyTwoBitView));
}

} // namespace
