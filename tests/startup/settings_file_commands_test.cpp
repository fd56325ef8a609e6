// Settings files by path: a save is byte for byte what the card writes to a
// text-mode file, a load brings the values back, and a save that fails leaves the
// earlier file as it was and says so.
#include "app/settings_file_commands.h"

#include "platform/common_dialogs.h"
#include "platform/win_app.h"
#include "string_ids.h"
#include "support/card_bench.h"
#include "support/failing_file_writes.h"
#include "support/message_box_catcher.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::string kOldFile = "an earlier file\r\n";

// What the card writes to a plain text-mode file.
std::string TextModeSave(CCardMixer& card, const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr)
        return "";
    card.SaveSettings(file);
    std::fclose(file);
    return ReadFileBytes(path);
}

// Scratch files the saves leave in the temporary folder.
size_t ScratchFiles()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    size_t count = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "hvs*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do
        ++count;
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

class SettingsFileCommandsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_bench.Start(SimCardModel::Six)); }
    CCardMixer& Card() { return m_bench.Mixer(); }
    DWORD MasterVolumeId()
    {
        MixerControlEntry* entry = nullptr;
        return Card().GetControl(0, -1, 0, entry) ? entry->control.dwControlID : 0;
    }

    CardBench m_bench;
    TempFolder m_folder;
};

} // namespace

TEST(SettingsFileFilter, NamedByTheProduct)
{
    EXPECT_EQ("Halvard 5.1+ Mixer Settings(*.msp)|*.msp||", SettingsFileFilter("Halvard 5.1+"));
    const std::string list = FileDialogFilter(SettingsFileFilter("Halvard 5.1+").c_str());
    EXPECT_EQ(std::string("Halvard 5.1+ Mixer Settings(*.msp)\0*.msp\0\0", 42), list.substr(0, 42));
}

TEST_F(SettingsFileCommandsTest, SaveAndLoadRoundTrip)
{
    const size_t scratchBefore = ScratchFiles();
    const std::string saved = m_folder.File("card.msp");
    ASSERT_TRUE(SaveSettingsFileTo(Card(), saved.c_str()));
    const std::string bytes = ReadFileBytes(saved);
    EXPECT_EQ(TextModeSave(Card(), m_folder.File("plain.msp")), bytes);
    EXPECT_NE(std::string::npos, bytes.find("\r\n")) << "text-mode line ends";
    EXPECT_EQ(scratchBefore, ScratchFiles());

    DWORD left = 0;
    DWORD right = 0;
    ASSERT_TRUE(Card().GetUnsignedPair(MasterVolumeId(), left, right));
    ASSERT_TRUE(Card().SetUnsignedPair(MasterVolumeId(), left ^ 0x5555, right ^ 0x1111));
    const DWORD inputMode = Card().GetSpdifInputMode();
    Card().SetSpdifInputMode(inputMode == 2 ? 0 : 2);

    ASSERT_TRUE(LoadSettingsFileFrom(Card(), saved.c_str()));
    DWORD loadedLeft = 0;
    DWORD loadedRight = 0;
    ASSERT_TRUE(Card().GetUnsignedPair(MasterVolumeId(), loadedLeft, loadedRight));
    EXPECT_EQ(left, loadedLeft);
    EXPECT_EQ(right, loadedRight);
    EXPECT_EQ(inputMode, Card().GetSpdifInputMode());

    EXPECT_FALSE(LoadSettingsFileFrom(Card(), m_folder.File("missing.msp").c_str()));
    // A file that is no settings file changes nothing.
    ASSERT_TRUE(WriteFileBytes(m_folder.File("junk.msp"), "no settings here\n"));
    LoadSettingsFileFrom(Card(), m_folder.File("junk.msp").c_str());
    ASSERT_TRUE(Card().GetUnsignedPair(MasterVolumeId(), loadedLeft, loadedRight));
    EXPECT_EQ(left, loadedLeft);
    EXPECT_EQ(inputMode, Card().GetSpdifInputMode());
    EXPECT_FALSE(LoadSettingsFileFrom(Card(), nullptr));
}

TEST_F(SettingsFileCommandsTest, AFailedSaveKeepsTheEarlierFile)
{
    const std::string target = m_folder.File("card.msp");
    {
        ASSERT_TRUE(WriteFileBytes(target, kOldFile));
        FailingFileWrites fault(FileWriteFault::WriteAfterBytes, 100);
        EXPECT_FALSE(SaveSettingsFileTo(Card(), target.c_str()));
        EXPECT_EQ(100u, FailingFileWrites::BytesWritten());
    }
    EXPECT_EQ(kOldFile, ReadFileBytes(target));

    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(SaveSettingsFileTo(Card(), target.c_str()));
    EXPECT_EQ(kOldFile, ReadFileBytes(target));
    EXPECT_EQ(std::vector<std::string>{"card.msp"}, m_folder.Names());

    EXPECT_FALSE(SaveSettingsFileTo(Card(), m_folder.File("no such folder\\card.msp").c_str()));
    EXPECT_FALSE(SaveSettingsFileTo(Card(), nullptr));
}

TEST(SettingsFileSaveFailure, OneMessageInTheUsersLanguage)
{
    MessageBoxCatcher boxes;
    ShowSettingsSaveFailure(nullptr);
    ASSERT_EQ(1u, boxes.Boxes().size());
    // The texts of every language are checked with the string tables.
    EXPECT_EQ(CWinApp::LoadString(IDS_SAVE_FAILED), boxes.Boxes()[0].text);
    EXPECT_FALSE(boxes.Boxes()[0].text.empty());
    EXPECT_EQ("Halvard 5.1+", boxes.Boxes()[0].caption);
}
