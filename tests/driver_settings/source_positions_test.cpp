// Source positions sent to the driver and the schemes kept in the registry.
#include "card_settings_fixture.h"

#include "driver/source_positions.h"

#include <cstring>

namespace {

using SourcePositionsTest = CardSettingsTest;

SourcePositionTables Tables(BYTE first)
{
    SourcePositionTables tables;
    for (int i = 0; i < kSourcePositionCount; ++i) {
        tables.balance[i] = static_cast<BYTE>(first + i);
        tables.fader[i] = static_cast<BYTE>(200 - i);
    }
    return tables;
}

void WriteScheme(const char* subkey, const SourcePositionTables& tables, DWORD flags)
{
    const std::string path = PathOf(kSourcePositioningKey, subkey);
    WriteRawValue(HKEY_LOCAL_MACHINE, path, kBalanceTableValue, REG_BINARY, tables.balance,
                  sizeof(tables.balance));
    WriteRawValue(HKEY_LOCAL_MACHINE, path, kFaderTableValue, REG_BINARY, tables.fader,
                  sizeof(tables.fader));
    WriteRawValue(HKEY_LOCAL_MACHINE, path, kSchemeFlagsValue, REG_DWORD, &flags, sizeof(flags));
}

void WriteName(const void* name, DWORD size, DWORD type = REG_SZ)
{
    WriteRawValue(HKEY_LOCAL_MACHINE, PathOf(kSourcePositioningKey, kCurrentSchemeSubkey),
                  kSchemeNameValue, type, name, size);
}

std::vector<std::string> SchemeNames(CCardMixer& mixer)
{
    std::vector<std::string> names;
    for (int i = 0; i < mixer.GetSourceSchemeCount(); ++i)
        names.push_back(mixer.GetSourceSchemeName(i));
    EXPECT_EQ(nullptr, mixer.GetSourceSchemeName(mixer.GetSourceSchemeCount()));
    return names;
}

bool IsDefault(const SourcePositionTables& tables)
{
    for (int i = 0; i < kSourcePositionCount; ++i) {
        if (tables.balance[i] != kDefaultBalance || tables.fader[i] != kDefaultFader)
            return false;
    }
    return true;
}

TEST_F(SourcePositionsTest, SchemeListAndCurrentNameFallbacks)
{
    InstallAndOpen();
    EXPECT_EQ(0, Mixer().GetSourceSchemeCount());
    EXPECT_STREQ("Default", Mixer().GetCurrentSourceSchemeName());

    WriteScheme(kCurrentSchemeSubkey, Tables(1), kSchemeFlagsSingle);
    EXPECT_EQ(0, Mixer().LoadSourceSchemeList(nullptr));
    EXPECT_STREQ("Default", Mixer().GetCurrentSourceSchemeName());
    WriteName("Stage", 6);
    EXPECT_EQ(0, Mixer().LoadSourceSchemeList(nullptr));
    EXPECT_STREQ("Stage", Mixer().GetCurrentSourceSchemeName());

    WriteScheme("Cinema", Tables(10), kSchemeFlagsSingle);
    WriteScheme("Club", Tables(20), kSchemeFlagsShared);
    // The start-up load finds them; positions are not sent at start-up.
    InstallAndOpen();
    EXPECT_EQ((std::vector<std::string>{"Cinema", "Club"}), SchemeNames(Mixer()));
    EXPECT_STREQ("Stage", Mixer().GetCurrentSourceSchemeName());
    EXPECT_EQ(0, Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_SOURCE_POSITION));

    DeleteValue(kSourcePositioningKey, kSchemeNameValue, kCurrentSchemeSubkey);
    EXPECT_EQ(1, Mixer().LoadSourceSchemeList(nullptr));
    EXPECT_STREQ("Cinema", Mixer().GetCurrentSourceSchemeName());
    EXPECT_EQ(1, Mixer().LoadSourceSchemeList("Club"));
    EXPECT_STREQ("Club", Mixer().GetCurrentSourceSchemeName());

    EXPECT_EQ(1, Mixer().DeleteSourceScheme("Cinema"));
    EXPECT_EQ((std::vector<std::string>{"Club"}), SchemeNames(Mixer()));
    EXPECT_EQ(0, Mixer().DeleteSourceScheme("Cinema"));
    EXPECT_EQ(0, Mixer().DeleteSourceScheme(kCurrentSchemeSubkey));
    EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, PathOf(kSourcePositioningKey, kCurrentSchemeSubkey)));
}

TEST_F(SourcePositionsTest, SchemesAreSavedLoadedAndCompared)
{
    InstallAndOpen();
    SourcePositionTables tables = Tables(30);
    EXPECT_EQ(1, Mixer().SaveSourceScheme(tables.balance, tables.fader, kSourcePositionCount, "Hall"));
    EXPECT_EQ(1, Mixer().SetSourceSchemeFlags(kSchemeFlagsShared, "Hall"));
    EXPECT_EQ("Hall", ReadText(kSourcePositioningKey, kSchemeNameValue, kCurrentSchemeSubkey));
    EXPECT_EQ(kSchemeFlagsShared, Mixer().GetSourceSchemeFlags());

    SourcePositionTables loaded = {};
    EXPECT_EQ(1, Mixer().LoadSourceScheme(loaded.balance, loaded.fader, kSourcePositionCount, nullptr));
    EXPECT_EQ(0, std::memcmp(&tables, &loaded, sizeof(tables)));
    EXPECT_STREQ("Hall", Mixer().GetCurrentSourceSchemeName());
    EXPECT_EQ(1, Mixer().IsSourceSchemeUnchanged());

    // Moving one source changes "CurrentScheme" only.
    tables.balance[5] = 99;
    Mixer().SaveSourceScheme(tables.balance, tables.fader, kSourcePositionCount, nullptr);
    EXPECT_EQ(0, Mixer().IsSourceSchemeUnchanged());
    // Loading the named scheme restores it into "CurrentScheme".
    EXPECT_EQ(1, Mixer().LoadSourceScheme(loaded.balance, loaded.fader, kSourcePositionCount, "Hall"));
    EXPECT_EQ(35, loaded.balance[5]);
    EXPECT_EQ(1, Mixer().IsSourceSchemeUnchanged());
    Mixer().SetSourceSchemeFlags(kSchemeFlagsSingle, nullptr);
    EXPECT_EQ(0, Mixer().IsSourceSchemeUnchanged());

    // A missing scheme gives the default positions.
    EXPECT_EQ(0, Mixer().LoadSourceScheme(loaded.balance, loaded.fader, kSourcePositionCount, "Nowhere"));
    EXPECT_TRUE(IsDefault(loaded));
}

TEST_F(SourcePositionsTest, LoadingASchemeMakesItTheCurrentOne)
{
    InstallAndOpen();
    WriteScheme(kCurrentSchemeSubkey, Tables(10), kSchemeFlagsSingle);
    WriteName("Cinema", 7);
    WriteScheme("Cinema", Tables(10), kSchemeFlagsSingle);
    WriteScheme("Club", Tables(20), kSchemeFlagsShared);
    ASSERT_EQ(1, Mixer().LoadSourceSchemeList(nullptr));
    ASSERT_STREQ("Cinema", Mixer().GetCurrentSourceSchemeName());

    SourcePositionTables loaded = {};
    ASSERT_EQ(1, Mixer().LoadSourceScheme(loaded.balance, loaded.fader, kSourcePositionCount, "Club"));
    EXPECT_EQ(kSchemeFlagsShared, Mixer().GetSourceSchemeFlags());
    EXPECT_STREQ("Club", Mixer().GetCurrentSourceSchemeName());
    EXPECT_EQ("Club", ReadText(kSourcePositioningKey, kSchemeNameValue, kCurrentSchemeSubkey));
    EXPECT_EQ(1, Mixer().IsSourceSchemeUnchanged());

    // A scheme stored without flags is taken with flags 0.
    const SourcePositionTables bare = Tables(40);
    const std::string barePath = PathOf(kSourcePositioningKey, "Bare");
    WriteRawValue(HKEY_LOCAL_MACHINE, barePath, kBalanceTableValue, REG_BINARY, bare.balance, sizeof(bare.balance));
    WriteRawValue(HKEY_LOCAL_MACHINE, barePath, kFaderTableValue, REG_BINARY, bare.fader, sizeof(bare.fader));
    ASSERT_EQ(1, Mixer().LoadSourceScheme(loaded.balance, loaded.fader, kSourcePositionCount, "Bare"));
    EXPECT_EQ(0u, Mixer().GetSourceSchemeFlags());
    EXPECT_STREQ("Bare", Mixer().GetCurrentSourceSchemeName());
    EXPECT_EQ(1, Mixer().IsSourceSchemeUnchanged());
}

TEST_F(SourcePositionsTest, TheCurrentSchemeIsNoSchemeInAnyLetterCase)
{
    InstallAndOpen();
    // Registry names ignore case: the driver's key may be stored in any case.
    WriteScheme("CURRENTSCHEME", Tables(1), kSchemeFlagsSingle);
    WriteScheme("Club", Tables(20), kSchemeFlagsShared);
    EXPECT_EQ(1, Mixer().LoadSourceSchemeList(nullptr));
    EXPECT_EQ((std::vector<std::string>{"Club"}), SchemeNames(Mixer()));

    const SourcePositionTables tables = Tables(50);
    SourcePositionTables loaded = {};
    for (const char* name : {"currentScheme", "CURRENTSCHEME", "CurrentScheme"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(0, Mixer().SaveSourceScheme(tables.balance, tables.fader, kSourcePositionCount, name));
        EXPECT_EQ(0, Mixer().LoadSourceScheme(loaded.balance, loaded.fader, kSourcePositionCount, name));
        EXPECT_EQ(0, Mixer().SetSourceSchemeFlags(kSchemeFlagsShared, name));
        EXPECT_EQ(0, Mixer().DeleteSourceScheme(name));
    }
    EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, PathOf(kSourcePositioningKey, kCurrentSchemeSubkey)));
    EXPECT_EQ(1, Mixer().LoadSourceScheme(loaded.balance, loaded.fader, kSourcePositionCount, nullptr));
    EXPECT_EQ(1, loaded.balance[0]);
    EXPECT_EQ(kSchemeFlagsSingle, Mixer().GetSourceSchemeFlags());
    EXPECT_EQ((std::vector<std::string>{"Club"}), SchemeNames(Mixer()));
}

TEST_F(SourcePositionsTest, OnlyNineteenSourcesAndLowBytesAreSent)
{
    InstallAndOpen();
    SourcePositionTables tables = Tables(1);
    SourcePositionTables untouched = tables;
    EXPECT_EQ(0, Mixer().LoadSourceScheme(tables.balance, tables.fader, 18, nullptr));
    EXPECT_EQ(0, std::memcmp(&tables, &untouched, sizeof(tables)));
    EXPECT_EQ(0, Mixer().SaveSourceScheme(tables.balance, tables.fader, 20, "Wide"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kSourcePositioningKey));

    Driver().ClearLog();
    EXPECT_EQ(1, Mixer().SendSourcePosition(3, 300, 0x1FF));
    const auto commands = Commands();
    ASSERT_EQ(1u, commands.size());
    EXPECT_EQ(CMD_SOURCE_POSITION, commands[0].code);
    EXPECT_EQ(3u, commands[0].arguments[0]);
    EXPECT_EQ(44u, commands[0].arguments[1]);
    EXPECT_EQ(255u, commands[0].arguments[2]);
    EXPECT_EQ(44, Driver().State().speakers.balance[3]);
    EXPECT_EQ(0, Mixer().SendSourcePosition(kSourcePositionCount, 1, 1));
    EXPECT_EQ(0, Mixer().SendSourcePosition(-1, 1, 1));
    EXPECT_EQ(1u, Commands().size());
}

TEST_F(SourcePositionsTest, LongNamesAndBadStoredValuesStayBounded)
{
    InstallAndOpen();
    // Names of 100 characters and more are listed whole. (Wine's ANSI registry calls
    // take paths of at most 260 characters, which bounds the longer name here.)
    const std::string hundred(100, 'h');
    const std::string longer(160, 'l');
    WriteScheme(kCurrentSchemeSubkey, Tables(1), kSchemeFlagsSingle);
    WriteScheme(hundred.c_str(), Tables(2), kSchemeFlagsSingle);
    WriteScheme(longer.c_str(), Tables(3), kSchemeFlagsSingle);
    WriteScheme("Zoo", Tables(4), kSchemeFlagsSingle);
    EXPECT_EQ(1, Mixer().LoadSourceSchemeList(nullptr));
    const auto names = SchemeNames(Mixer());
    ASSERT_EQ(3u, names.size());
    EXPECT_EQ(1, std::count(names.begin(), names.end(), hundred));
    EXPECT_EQ(1, std::count(names.begin(), names.end(), longer));
    SourcePositionTables loaded = {};
    EXPECT_EQ(1, Mixer().LoadSourceScheme(loaded.balance, loaded.fader, kSourcePositionCount, longer.c_str()));
    EXPECT_EQ(3, loaded.balance[0]);
    EXPECT_EQ(longer, ReadText(kSourcePositioningKey, kSchemeNameValue, kCurrentSchemeSubkey));
    EXPECT_EQ(1, Mixer().LoadSourceSchemeList(nullptr));
    EXPECT_EQ(longer, Mixer().GetCurrentSourceSchemeName());
    // A name that cannot be a key is refused.
    const std::string tooLong(300, 't');
    EXPECT_EQ(0, Mixer().SaveSourceScheme(loaded.balance, loaded.fader, kSourcePositionCount, tooLong.c_str()));
    EXPECT_EQ(0, Mixer().SaveSourceScheme(loaded.balance, loaded.fader, kSourcePositionCount, "a\\b"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, PathOf(kSourcePositioningKey, "a")));

    // "Name" without its terminator, and one that does not fit.
    WriteName("Bare", 4, REG_BINARY);
    EXPECT_EQ(1, Mixer().LoadSourceSchemeList(nullptr));
    EXPECT_STREQ("Bare", Mixer().GetCurrentSourceSchemeName());
    const std::string huge(400, 'n');
    WriteName(huge.data(), static_cast<DWORD>(huge.size()), REG_BINARY);
    EXPECT_EQ(1, Mixer().LoadSourceSchemeList(nullptr));
    EXPECT_EQ(names.front(), Mixer().GetCurrentSourceSchemeName());

    // Tables of the wrong size are not taken.
    const BYTE shortTable[5] = {1, 2, 3, 4, 5};
    const BYTE longTable[40] = {};
    for (const auto& table : {std::vector<BYTE>(shortTable, shortTable + 5),
                              std::vector<BYTE>(longTable, longTable + 40)}) {
        WriteRawValue(HKEY_LOCAL_MACHINE, PathOf(kSourcePositioningKey, kCurrentSchemeSubkey),
                      kBalanceTableValue, REG_BINARY, table.data(), static_cast<DWORD>(table.size()));
        std::memset(&loaded, 0xEE, sizeof(loaded));
        EXPECT_EQ(0, Mixer().LoadSourceScheme(loaded.balance, loaded.fader, kSourcePositionCount, nullptr));
        EXPECT_TRUE(IsDefault(loaded));
    }
}

} // namespace
