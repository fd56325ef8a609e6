// The user's colour sets and the program's default set in the registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "skin/scheme/cool_color_store.h"
#include "support/registry_guard.h"

namespace {

const std::string kUserSets = std::string(kCoolColorsKey) + "\\" + kUserSetsKey;
const std::string kDefaultSets = std::string(kCoolColorsKey) + "\\" + kDefaultSetsKey;

bool SameSet(const COOLCOLORSET& a, const COOLCOLORSET& b) { return std::memcmp(&a, &b, sizeof(a)) == 0; }

} // namespace

TEST(ColorStore, UserSetsAreStoredByteForByte)
{
    RegistryKeyGuard guard(HKEY_CURRENT_USER, kUserSets);
    const COOLCOLORSET set = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 25};
    ASSERT_TRUE(CCoolColorStore::WriteUserSet("Evening", set));

    BYTE raw[32] = {};
    DWORD size = sizeof(raw);
    DWORD type = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegGetValueA(HKEY_CURRENT_USER, kUserSets.c_str(), "Evening", RRF_RT_ANY, &type, raw, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    ASSERT_EQ(24u, size);
    const BYTE expected[24] = {0x33, 0x22, 0x11, 0, 0x66, 0x55, 0x44, 0, 0x99, 0x88, 0x77, 0, 0xCC, 0xBB, 0xAA, 0,
                               0xFF, 0xEE, 0xDD, 0, 25,   0,    0,    0};
    EXPECT_EQ(0, std::memcmp(expected, raw, 24));

    COOLCOLORSET read = {};
    ASSERT_TRUE(CCoolColorStore::ReadUserSet("Evening", read));
    EXPECT_TRUE(SameSet(set, read));
    const std::vector<std::string> names = CCoolColorStore::UserSetNames();
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), "Evening"));

    ASSERT_TRUE(CCoolColorStore::DeleteUserSet("Evening"));
    EXPECT_FALSE(CCoolColorStore::ReadUserSet("Evening", read));
}

TEST(ColorStore, DamagedSetsAreNotRead)
{
    RegistryKeyGuard guard(HKEY_CURRENT_USER, kUserSets);
    const BYTE shortSet[10] = {1, 2, 3};
    const BYTE longSet[40] = {4, 5, 6};
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, kUserSets, "Short", REG_BINARY, shortSet, sizeof(shortSet)));
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, kUserSets, "Long", REG_BINARY, longSet, sizeof(longSet)));
    const COOLCOLORSET untouched = {1, 2, 3, 4, 5, 6};
    COOLCOLORSET read = untouched;
    EXPECT_FALSE(CCoolColorStore::ReadUserSet("Short", read));
    EXPECT_FALSE(CCoolColorStore::ReadUserSet("Long", read));
    EXPECT_FALSE(CCoolColorStore::ReadUserSet("", read));
    EXPECT_FALSE(CCoolColorStore::ReadUserSet(nullptr, read));
    EXPECT_TRUE(SameSet(untouched, read));

    // A name longer than the names the panel reads back is cut, not overflowed.
    const std::string longName(300, 'x');
    ASSERT_TRUE(CCoolColorStore::WriteUserSet(longName.c_str(), untouched));
    for (const std::string& name : CCoolColorStore::UserSetNames())
        EXPECT_LE(name.size(), kColorSetNameChars);
}

TEST(ColorStore, ProgramDefaultSetReplacesTheDefaultEntry)
{
    RegistryKeyGuard guard(HKEY_CURRENT_USER, kDefaultSets);
    const std::string program = RunningProgramFileName();
    ASSERT_EQ("skin_tests.exe", program);

    BuiltInColorSets sets = CCoolColorStore::LoadBuiltInColorSets();
    EXPECT_TRUE(SameSet(sets[3].colors, sets[kColorSetDefault].colors));

    const COOLCOLORSET own = {0x010101, 0x020202, 0x030303, 0x040404, 0x050505, 1};
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, kDefaultSets, program, REG_BINARY, &own, sizeof(own)));
    sets = CCoolColorStore::LoadBuiltInColorSets();
    EXPECT_TRUE(SameSet(own, sets[kColorSetDefault].colors));
    EXPECT_STREQ("- Default -", sets[kColorSetDefault].name);
    EXPECT_FALSE(SameSet(own, sets[3].colors));
}
