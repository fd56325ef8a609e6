// CRegistry against the real registry, below a test key of the current user.
#include "platform/registry.h"

#include "support/registry_guard.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const std::string kTestKey = "Software\\Halvard Tests\\Registry";

class RegistryTest : public testing::Test {
protected:
    RegistryTest() : m_guard(HKEY_CURRENT_USER, kTestKey)
    {
        m_registry.SetKey(HKEY_CURRENT_USER, kTestKey.c_str());
    }

    bool Exists(const std::string& subPath) const
    {
        return RegistryKeyExists(HKEY_CURRENT_USER, kTestKey + "\\" + subPath);
    }

    RegistryKeyGuard m_guard;
    CRegistry m_registry;
};

TEST_F(RegistryTest, AcceptsTheFiveRootsAndRefusesOthersKeepingTheSelection)
{
    CRegistry registry;
    EXPECT_EQ(HKEY_CURRENT_USER, registry.Root());
    EXPECT_EQ("Software\\Norvalis Dirizuzaro GmbH\\Halvard", registry.BasePath());

    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                      HKEY_CURRENT_CONFIG})
        EXPECT_EQ(1, registry.SetKey(root, "Some\\Path"));

    ASSERT_EQ(1, registry.SetKey(HKEY_LOCAL_MACHINE, "Kept"));
    EXPECT_EQ(0, registry.SetKey(HKEY_PERFORMANCE_DATA, "Other"));
    EXPECT_EQ(0, registry.SetKey(reinterpret_cast<HKEY>(0x80000006), "Other"));
    EXPECT_EQ(0, registry.SetKey(nullptr, "Other"));
    EXPECT_EQ(0, registry.SetKey(HKEY_CURRENT_USER, nullptr));
    EXPECT_EQ(HKEY_LOCAL_MACHINE, registry.Root());
    EXPECT_EQ("Kept", registry.BasePath());
}

TEST_F(RegistryTest, WritesCreateMissingKeysAndReadsNeverDo)
{
    DWORD word = 7;
    char text[16] = "x";
    EXPECT_EQ(0, m_registry.QueryDword("Value", &word, "Read\\Only"));
    EXPECT_EQ(0, m_registry.QueryValue("Value", text, sizeof(text), "Read\\Only"));
    EXPECT_EQ(0, m_registry.DeleteValue("Value", "Read\\Only"));
    EXPECT_EQ(0, m_registry.DeleteKey("Child", "Read\\Only"));
    EXPECT_EQ(-1, m_registry.CountValues("Read\\Only"));
    EXPECT_FALSE(Exists("Read"));
    EXPECT_EQ(7u, word);

    EXPECT_EQ(1, m_registry.SetDword("Number", 0x12345678, "A\\B\\C"));
    EXPECT_EQ(1, m_registry.QueryDword("Number", &word, "A\\B\\C"));
    EXPECT_EQ(0x12345678u, word);

    const BYTE bytes[3] = {1, 2, 3};
    EXPECT_EQ(1, m_registry.SetBinary("Bytes", bytes, sizeof(bytes), "D"));
    DWORD type = 0;
    std::vector<BYTE> stored;
    ASSERT_TRUE(ReadRawValue(HKEY_CURRENT_USER, kTestKey + "\\D", "Bytes", type, stored));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    EXPECT_EQ(std::vector<BYTE>(bytes, bytes + 3), stored);

    EXPECT_EQ(1, m_registry.SetString("Text", "hello", "E\\F"));
    ASSERT_TRUE(ReadRawValue(HKEY_CURRENT_USER, kTestKey + "\\E\\F", "Text", type, stored));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(6u, stored.size());
    EXPECT_EQ(1, m_registry.QueryValue("Text", text, sizeof(text), "E\\F"));
    EXPECT_STREQ("hello", text);

    EXPECT_EQ(1, m_registry.DeleteValue("Text", "E\\F"));
    EXPECT_EQ(0, m_registry.QueryValue("Text", text, sizeof(text), "E\\F"));
    EXPECT_STREQ("", text);
    EXPECT_EQ(0, m_registry.SetString("Text", nullptr, "E\\F"));
    EXPECT_EQ(0, m_registry.SetBinary("Bytes", nullptr, 4, "D"));
}

TEST_F(RegistryTest, CreatesAndDeletesKeysWithEverythingBelow)
{
    ASSERT_EQ(1, m_registry.SetDword("Base", 1));
    EXPECT_EQ(1, m_registry.CreateKey("Made"));
    EXPECT_TRUE(Exists("Made"));
    EXPECT_EQ(0, m_registry.CreateKey(nullptr));
    EXPECT_EQ(0, m_registry.CreateKey("Child", "Missing"));

    ASSERT_EQ(1, m_registry.SetDword("Deep", 1, "Tree\\One\\Two"));
    ASSERT_EQ(1, m_registry.SetString("Leaf", "x", "Tree\\Three"));
    EXPECT_EQ(1, m_registry.DeleteKey("Tree"));
    EXPECT_FALSE(Exists("Tree"));

    // Neither a missing nor an empty name may take the base key's contents.
    EXPECT_EQ(0, m_registry.DeleteKey(nullptr));
    EXPECT_EQ(0, m_registry.DeleteKey(""));
    EXPECT_TRUE(Exists("Made"));
    EXPECT_EQ(1, m_registry.CountValues());
}

TEST_F(RegistryTest, CountsAndEnumeratesWithinBounds)
{
    ASSERT_EQ(1, m_registry.SetDword("First", 1, "List"));
    ASSERT_EQ(1, m_registry.SetDword("Second", 2, "List"));
    ASSERT_EQ(1, m_registry.SetDword("V", 1, "List\\KeyOne"));
    ASSERT_EQ(1, m_registry.CreateKey("KeyTwo", "List"));

    EXPECT_EQ(2, m_registry.CountValues("List"));
    EXPECT_EQ(2, m_registry.CountSubkeys("List"));
    EXPECT_EQ(0, m_registry.CountSubkeys("List\\KeyTwo"));
    EXPECT_EQ(-1, m_registry.CountSubkeys("Nowhere"));

    char name[32];
    std::string values;
    for (DWORD i = 0; i < 2; ++i) {
        ASSERT_EQ(1, m_registry.EnumValue(i, name, sizeof(name), "List"));
        values += name;
        values += ';';
    }
    EXPECT_TRUE(values == "First;Second;" || values == "Second;First;") << values;
    std::snprintf(name, sizeof(name), "untouched");
    EXPECT_EQ(0, m_registry.EnumValue(2, name, sizeof(name), "List"));
    EXPECT_STREQ("", name);
    EXPECT_EQ(0, m_registry.EnumKey(2, name, sizeof(name), "List"));
    ASSERT_EQ(1, m_registry.EnumKey(0, name, sizeof(name), "List"));
    EXPECT_TRUE(std::string(name) == "KeyOne" || std::string(name) == "KeyTwo") << name;

    // A name that does not fit fails and leaves an empty, terminated buffer.
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(0, m_registry.EnumKey(0, small, sizeof(small), "List"));
    EXPECT_EQ('\0', small[0]);
    EXPECT_EQ(0, m_registry.EnumValue(0, nullptr, 10, "List"));
    EXPECT_EQ(0, m_registry.EnumValue(0, name, 0, "List"));
}

TEST_F(RegistryTest, QueryDwordCopiesAtMostFourBytesOfAnyType)
{
    const std::string path = kTestKey;
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, path, "Text", REG_SZ, "abc", 4));
    const BYTE two[2] = {0x34, 0x12};
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, path, "Short", REG_BINARY, two, 2));
    const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, path, "Long", REG_BINARY, eight, 8));

    DWORD word = 0xFFFFFFFF;
    EXPECT_EQ(1, m_registry.QueryDword("Text", &word));
    EXPECT_EQ(0x00636261u, word);
    word = 0xFFFFFFFF;
    EXPECT_EQ(1, m_registry.QueryDword("Short", &word));
    EXPECT_EQ(0x1234u, word);
    word = 0xAAAAAAAA;
    EXPECT_EQ(0, m_registry.QueryDword("Long", &word));
    EXPECT_EQ(0xAAAAAAAAu, word);
    EXPECT_EQ(0, m_registry.QueryDword("Text", nullptr));
}

TEST_F(RegistryTest, RawAndBinaryReadsReportSizesAndRefuseNullBuffers)
{
    const BYTE six[6] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(1, m_registry.SetBinary("Six", six, sizeof(six)));
    BYTE buffer[8] = {};
    DWORD count = sizeof(buffer);
    EXPECT_EQ(1, m_registry.QueryRaw("Six", buffer, &count));
    EXPECT_EQ(6u, count);
    EXPECT_EQ(0, std::memcmp(six, buffer, 6));

    BYTE guarded[6] = {0, 0, 0, 0, 0xEE, 0xEE};
    EXPECT_EQ(0, m_registry.QueryBinary("Six", guarded, 4));
    EXPECT_EQ(0xEE, guarded[4]);
    EXPECT_EQ(0, m_registry.QueryRaw("Six", nullptr, &count));
    EXPECT_EQ(0, m_registry.QueryRaw("Six", buffer, nullptr));
    EXPECT_EQ(0, m_registry.QueryBinary("Six", nullptr, 8));
}

TEST_F(RegistryTest, TextReadsAreAlwaysTerminatedAndBounded)
{
    const std::string path = kTestKey;
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, path, "Bare", REG_SZ, "abcd", 4));
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, path, "Long", REG_SZ, "abcdefghij", 11));
    const BYTE bytes[3] = {'x', 'y', 'z'};
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, path, "Binary", REG_BINARY, bytes, 3));
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, path, "Empty", REG_BINARY, bytes, 0));

    char buffer[8];
    std::memset(buffer, 'Q', sizeof(buffer));
    EXPECT_EQ(1, m_registry.QueryValue("Bare", buffer, sizeof(buffer)));
    EXPECT_STREQ("abcd", buffer);
    EXPECT_EQ(1, m_registry.QueryValue("Binary", buffer, sizeof(buffer)));
    EXPECT_STREQ("xyz", buffer);
    EXPECT_EQ(1, m_registry.QueryValue("Empty", buffer, sizeof(buffer)));
    EXPECT_STREQ("", buffer);

    // Exactly filling the buffer leaves no room for the terminator: refused.
    char four[5];
    std::memset(four, 'Q', sizeof(four));
    EXPECT_EQ(0, m_registry.QueryValue("Bare", four, 4));
    EXPECT_EQ('\0', four[0]);
    EXPECT_EQ('Q', four[4]);

    char guarded[12];
    std::memset(guarded, 'Q', sizeof(guarded));
    EXPECT_EQ(0, m_registry.QueryValue("Long", guarded, 8));
    EXPECT_EQ('\0', guarded[0]);
    EXPECT_EQ('Q', guarded[8]);

    EXPECT_EQ(0, m_registry.QueryValue("Bare", nullptr, 8));
    EXPECT_EQ(0, m_registry.QueryValue("Bare", buffer, 0));
}

} // namespace
