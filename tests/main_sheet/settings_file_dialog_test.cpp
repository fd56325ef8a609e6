// The main sheet's settings-file commands through the system's file dialogs,
// answered by a second thread as a user would fill them in: save, change settings
// of the mixer and the driver, load, and everything is back as saved; a cancelled
// dialog changes nothing.
#include "app/main_sheet.h"

#include "app/settings_file_commands.h"
#include "driver/card_mixer.h"
#include "support/card_bench.h"
#include "support/message_pump.h"
#include "support/temp_folder.h"
#include "dialogs/dialog_ids.h"
#include "string_ids.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

constexpr int kFileNameBoxes[] = {1148, 1152};

// Answers the next file dialog of a thread with a path (or cancels it), and says
// Yes to an overwrite question; runs until a dialog was answered or time is up.
class DialogAnswer {
public:
    DialogAnswer(DWORD thread, std::string path) : m_thread(thread), m_path(std::move(path))
    {
        m_worker = std::thread([this] { Run(); });
    }
    ~DialogAnswer() { m_worker.join(); }
    bool Answered() const { return m_answered; }

private:
    static BOOL CALLBACK Visit(HWND window, LPARAM context)
    {
        auto* self = reinterpret_cast<DialogAnswer*>(context);
        char name[32] = {};
        GetClassNameA(window, name, sizeof(name));
        if (!IsWindowVisible(window) || std::string(name) != "#32770")
            return TRUE;
        if (GetDlgItem(window, IDYES) != nullptr) {
            PostMessageA(window, WM_COMMAND, IDYES, 0);
            return TRUE;
        }
        const bool fileDialog = GetDlgItem(window, kFileNameBoxes[0]) || GetDlgItem(window, kFileNameBoxes[1]);
        if (self->m_answered || !fileDialog)
            return TRUE;
        if (self->m_path.empty()) {
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        } else {
            for (int box : kFileNameBoxes)
                SetDlgItemTextA(window, box, self->m_path.c_str());
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
        self->m_answered = true;
        return TRUE;
    }

    void Run()
    {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 20000) {
            EnumThreadWindows(m_thread, &Visit, reinterpret_cast<LPARAM>(this));
            if (m_answered)
                return;
            Sleep(100);
        }
    }

    DWORD m_thread;
    std::string m_path;
    std::atomic<bool> m_answered{false};
    std::thread m_worker;
};

// A page that counts how often it is asked to read its settings again.
class CountingPage : public CCoolPropertyPage {
public:
    CountingPage() : CCoolPropertyPage(IDD_PAGE_MISC, IDS_PAGE_MISC) {}
    void Refresh() override { ++refreshes; }
    int refreshes = 0;
};

class CountedSheet : public VUDO4Ruruz {
public:
    explicit CountedSheet(CCardMixer* card) : VUDO4Ruruz(IDS_SHORT_NAME, card) { AddPage(&counter); }
    ~CountedSheet() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    CountingPage counter;
};

// The whole panel's settings as a settings file holds them.
std::string Snapshot(CCardMixer& card, const TempFolder& folder)
{
    const std::string path = folder.File("snapshot.msp");
    if (!SaveSettingsFileTo(card, path.c_str()))
        return "";
    return ReadFileBytes(path);
}

void ChangeSettings(CCardMixer& card)
{
    MixerControlEntry* entry = nullptr;
    for (int source = -1; source < card.GetSourceCount(0); ++source) {
        if (card.GetControl(0, source, 0, entry) && entry)
            card.SetUnsignedPair(entry->control.dwControlID, 12345, 23456);
        if (card.GetControl(0, source, 1, entry) && entry) {
            LONG mute = 0;
            card.GetBoolean(entry->control.dwControlID, mute);
            card.SetBooleanAll(entry->control.dwControlID, !mute);
        }
    }
    card.SetEqEnabled(!card.IsEqEnabled());
    card.SetSpeakerConfig(card.GetSpeakerConfig() == 3 ? 4 : 3);
    card.SetSpdifOutputSource(card.GetSpdifOutputSource() == 1 ? 2 : 1);
    card.SetHwVoiceLimit(card.GetHwVoiceLimit() == 32 ? 48 : 32);
}

} // namespace

TEST(SettingsFileDialogTest, SaveChangeLoadBringsEverythingBack)
{
    CardBench bench;
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& card = bench.Mixer();
    TempFolder folder;
    CountedSheet sheet(&card);
    ASSERT_TRUE(sheet.Create(nullptr, VUDO4Ruruz::kWindowStyle));
    sheet.ShowWindow(SW_SHOWNORMAL);
    ASSERT_TRUE(sheet.SetActivePage(&sheet.counter));
    DrainMessages();
    const DWORD thread = GetCurrentThreadId();
    const std::string file = folder.File("all.msp");

    const std::string saved = Snapshot(card, folder);
    {
        DialogAnswer answer(thread, file);
        EXPECT_TRUE(sheet.SaveSettingsFile());
    }
    EXPECT_EQ(saved, ReadFileBytes(file));

    ChangeSettings(card);
    const std::string changed = Snapshot(card, folder);
    ASSERT_NE(saved, changed);
    {
        DialogAnswer cancel(thread, "");
        EXPECT_FALSE(sheet.LoadSettingsFile());
    }
    EXPECT_EQ(changed, Snapshot(card, folder)) << "a cancelled dialog changes nothing";
    EXPECT_EQ(0, sheet.counter.refreshes);

    {
        DialogAnswer answer(thread, file);
        EXPECT_TRUE(sheet.LoadSettingsFile());
    }
    EXPECT_EQ(saved, Snapshot(card, folder)) << "every setting is back";
    EXPECT_EQ(1, sheet.counter.refreshes) << "the pages read their settings again";
}
