// Replacing a file's contents: the new bytes arrive whole or the old file stays
// byte for byte, and nothing of ours is left beside it.
#include "platform/atomic_file.h"

#include "support/failing_file_writes.h"
#include "support/temp_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kOld = "old settings\r\nsecond line\r\n";

std::string NewBytes(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

bool Write(const std::string& path, const std::string& bytes)
{
    return WriteFileAtomically(path.c_str(), bytes.data(), bytes.size());
}

} // namespace

TEST(AtomicFile, WritesNewAndReplacesExistingFiles)
{
    TempFolder folder;
    const std::string target = folder.File("panel.msp");
    ASSERT_TRUE(Write(target, kOld));
    EXPECT_EQ(kOld, ReadFileBytes(target));

    // Larger than one write, and then smaller again: the file is exactly the new bytes.
    const std::string large = NewBytes(200 * 1024 + 7);
    ASSERT_TRUE(Write(target, large));
    EXPECT_EQ(large, ReadFileBytes(target));
    ASSERT_TRUE(Write(target, "x"));
    EXPECT_EQ("x", ReadFileBytes(target));
    ASSERT_TRUE(Write(target, ""));
    EXPECT_EQ("", ReadFileBytes(target));
    EXPECT_EQ(std::vector<std::string>{"panel.msp"}, folder.Names());

    // A relative name is taken from the current folder.
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    const bool relative = Write("relative.msp", kOld);
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(relative);
    EXPECT_EQ(kOld, ReadFileBytes(folder.File("relative.msp")));
}

TEST(AtomicFile, FailuresLeaveTheOldFileAndNoTemporaryFile)
{
    struct Case {
        const char* what;
        FileWriteFault fault;
        size_t allowed;
    };
    const Case cases[] = {
        {"nothing can be written", FileWriteFault::WriteAfterBytes, 0},
        {"the disk fills after 100 bytes", FileWriteFault::WriteAfterBytes, 100},
        {"the disk fills after the first 64 KiB", FileWriteFault::WriteAfterBytes, 64 * 1024 + 1},
        {"the flush fails", FileWriteFault::Flush, 0},
        {"the replace fails", FileWriteFault::Replace, 0},
        {"the file cannot be made", FileWriteFault::Create, 0},
    };
    const std::string bytes = NewBytes(150 * 1024);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string target = folder.File("panel.msp");
        ASSERT_TRUE(WriteFileBytes(target, kOld));
        {
            FailingFileWrites fault(c.fault, c.allowed);
            EXPECT_FALSE(Write(target, bytes));
            if (c.fault == FileWriteFault::WriteAfterBytes) {
                EXPECT_EQ(c.allowed, FailingFileWrites::BytesWritten());
            }
        }
        EXPECT_EQ(kOld, ReadFileBytes(target));
        EXPECT_EQ(std::vector<std::string>{"panel.msp"}, folder.Names());
    }
}

TEST(AtomicFile, RefusesReadOnlyTargetsFoldersAndMissingFolders)
{
    TempFolder folder;
    const std::string target = folder.File("locked.msp");
    ASSERT_TRUE(WriteFileBytes(target, kOld));
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(Write(target, "new"));
    EXPECT_EQ(kOld, ReadFileBytes(target));
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_READONLY),
              GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_READONLY);

    ASSERT_TRUE(CreateDirectoryA(folder.File("sub").c_str(), nullptr));
    EXPECT_FALSE(Write(folder.File("sub"), "new"));
    RemoveDirectoryA(folder.File("sub").c_str());

    EXPECT_FALSE(Write(folder.File("missing\\panel.msp"), "new"));
    EXPECT_FALSE(WriteFileAtomically(nullptr, "x", 1));
    EXPECT_FALSE(WriteFileAtomically("", "x", 1));
    EXPECT_EQ(std::vector<std::string>{"locked.msp"}, folder.Names());
}
