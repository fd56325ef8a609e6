// Damaged settings files of every kind must never crash the reader nor leave a
// control with a value it cannot hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "settings/settings_test_ids.h"
#include "settings/settings_test_support.h"
#include "support/card_bench.h"
#include "support/temp_file.h"

namespace {

constexpr int kDamagedFiles = 3000;
constexpr int kDamagedCardFiles = 600;
constexpr DWORD kHighestControlId = 0x2A;

class Damage {
public:
    explicit Damage(unsigned seed) : m_random(seed) {}

    std::string Apply(const std::string& good)
    {
        std::string file = good;
        const int rounds = 1 + Pick(3);
        for (int i = 0; i < rounds; ++i)
            file = Once(file);
        return file;
    }

private:
    int Pick(int below) { return static_cast<int>(m_random() % static_cast<unsigned>(below)); }
    size_t Where(const std::string& file) { return file.empty() ? 0 : m_random() % (file.size() + 1); }

    std::string RandomBytes(size_t count)
    {
        std::string bytes(count, '\0');
        for (char& c : bytes)
            c = static_cast<char>(m_random() & 0xFF);
        return bytes;
    }

    std::string RandomNumber()
    {
        static const char* const kNumbers[] = {"-1", "0", "-2147483648", "2147483647", "4294967295", "99999999999999999999",
                                               "-99999999999", "0x7FFFFFFF", "0xFFFFFFFF", "65536", "1e9", "--3", "0x",
                                               "017777777777", "+5", "65535"};
        if (Pick(3) == 0)
            return std::to_string(static_cast<long long>(m_random()) - 2147483648LL);
        return kNumbers[Pick(sizeof(kNumbers) / sizeof(kNumbers[0]))];
    }

    std::vector<std::string> Lines(const std::string& file)
    {
        std::vector<std::string> lines;
        size_t start = 0;
        while (start < file.size()) {
            size_t end = file.find('\n', start);
            if (end == std::string::npos)
                end = file.size() - 1;
            lines.push_back(file.substr(start, end - start + 1));
            start = end + 1;
        }
        return lines;
    }

    std::string Join(const std::vector<std::string>& lines)
    {
        std::string file;
        for (const std::string& line : lines)
            file += line;
        return file;
    }

    // Replaces one whitespace-separated field of a random line.
    std::string ReplaceField(const std::string& file, const std::string& replacement)
    {
        std::vector<std::string> lines = Lines(file);
        if (lines.empty())
            return file;
        std::string& line = lines[Pick(static_cast<int>(lines.size()))];
        std::vector<size_t> starts;
        for (size_t i = 0; i < line.size(); ++i)
            if (line[i] != ' ' && line[i] != '\t' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
                starts.push_back(i);
        if (starts.empty())
            return file;
        const size_t start = starts[Pick(static_cast<int>(starts.size()))];
        size_t end = line.find_first_of(" \t\r\n", start);
        if (end == std::string::npos)
            end = line.size();
        line.replace(start, end - start, replacement);
        return Join(lines);
    }

    std::string Once(const std::string& file)
    {
        switch (Pick(10)) {
        case 0: // truncated
            return file.substr(0, Where(file));
        case 1: // random bytes in the middle
            return std::string(file).insert(Where(file), RandomBytes(1 + Pick(300)));
        case 2: // a line of 600 or 5000 characters
            return std::string(file).insert(Where(file), std::string(Pick(2) ? 600 : 5000, Pick(2) ? '7' : 'A') + "\r\n");
        case 3: // a count or value out of every range
            return ReplaceField(file, RandomNumber());
        case 4: { // NUL bytes
            std::string damaged = file;
            for (int i = Pick(5); i >= 0; --i)
                damaged.insert(Where(damaged), 1, '\0');
            return damaged;
        }
        case 5: { // a section line missing
            std::vector<std::string> lines = Lines(file);
            if (!lines.empty())
                lines.erase(lines.begin() + (Pick(2) ? 0 : static_cast<long>(lines.size()) - 1));
            return Join(lines);
        }
        case 6: { // lines repeated and shuffled
            std::vector<std::string> lines = Lines(file);
            if (!lines.empty())
                lines.push_back(lines[Pick(static_cast<int>(lines.size()))]);
            std::shuffle(lines.begin() + (lines.empty() ? 0 : 1), lines.end(), m_random);
            return Join(lines);
        }
        case 7: // nothing but noise
            return RandomBytes(Pick(3000));
        case 8: // a field replaced by a word
            return ReplaceField(file, Pick(2) ? "(Volume)" : RandomBytes(1 + Pick(8)));
        default: // a line with many values
            return std::string(file).insert(Where(file), "1\t2" + std::string(400, ' ') + "5 5\r\n22\t6\t 0 0 0 0 0 1 1\r\n");
        }
    }

    std::mt19937 m_random;
};

// Every control holds what it can hold: a boolean 0 or 1, a number within its
// bounds, a single-choice list exactly one item per channel.
void ExpectHoldableValues(CMixerDevice& mixer, int file)
{
    for (DWORD id = 1; id <= kHighestControlId; ++id) {
        MixerControlEntry* entry = nullptr;
        if (!mixer.FindControl(id, entry) || !entry->HasValues())
            continue;
        const LONG* values = entry->Values();
        for (unsigned i = 0; i < entry->count; ++i) {
            if (entry->kind & VK_BOOLEAN) {
                ASSERT_TRUE(values[i] == 0 || values[i] == 1) << "file " << file << " control " << id;
            } else if (entry->kind & VK_SIGNED) {
                ASSERT_TRUE(values[i] >= entry->control.Bounds.lMinimum && values[i] <= entry->control.Bounds.lMaximum)
                    << "file " << file << " control " << id;
            } else {
                ASSERT_TRUE(static_cast<DWORD>(values[i]) >= entry->control.Bounds.dwMinimum
                            && static_cast<DWORD>(values[i]) <= entry->control.Bounds.dwMaximum)
                    << "file " << file << " control " << id << " value " << values[i];
            }
        }
        if (entry->control.dwControlType == MIXERCONTROL_CONTROLTYPE_MUX) {
            ASSERT_EQ(1, std::count(values, values + entry->count, 1)) << "file " << file;
        }
    }
}

// The driver-side settings stay within what the card takes.
void ExpectHoldableDriverSettings(CCardMixer& card, int file)
{
    ASSERT_LE(card.GetSpdifInputMode(), 2u) << "file " << file;
    ASSERT_LE(card.GetSpdifOutputSource(), 3u) << "file " << file;
    ASSERT_LE(card.GetSpdifCopyPermitted(), 1u) << "file " << file;
    ASSERT_LE(card.GetSpdifPreemphasis(), 1u) << "file " << file;
    ASSERT_LE(card.GetAecMode(), 2u) << "file " << file;
    for (DWORD flag : {card.GetSensaura3D(), card.GetMacroFX(), card.GetA3DSplashScreen(), card.GetStereoExpansion(),
                       card.GetSampleSetResident(), card.GetVoiceAllocation(), card.GetUseDefaultSet()})
        ASSERT_LE(flag, 1u) << "file " << file;
    DWORD minimum = 0;
    DWORD maximum = 0;
    card.GetHwVoiceRange(minimum, maximum);
    const DWORD hw = card.GetHwVoiceLimit();
    ASSERT_TRUE(hw == 0 || (hw >= minimum && hw <= maximum)) << "file " << file << " hardware voices " << hw;
    card.GetSwVoiceRange(minimum, maximum);
    const DWORD sw = card.GetSwVoiceLimit();
    ASSERT_TRUE(sw == 0 || sw == 976 || (sw >= minimum && sw <= maximum)) << "file " << file << " software voices " << sw;
    ASSERT_TRUE(CCardMixer::IsUsableEqSetName(card.CurrentEqSetName())) << "file " << file;
    ASSERT_LT(std::strlen(card.GetCustomSetFile()), 256u) << "file " << file;
}

} // namespace

TEST_F(SettingsFileTest, ThousandsOfDamagedFiles)
{
    InstallModel(SimCardModel::Six);
    CWssMixer mixer;
    OpenMixer(mixer);
    const std::string good = ResourceBytes(IDR_GOLDEN_SIX_CHANNEL_MIXER);
    ASSERT_FALSE(good.empty());
    Damage damage(20261207);
    for (int i = 0; i < kDamagedFiles; ++i) {
        m_file.Write(damage.Apply(good));
        FILE* file = std::fopen(m_file.Path().c_str(), "r");
        ASSERT_NE(nullptr, file);
        EXPECT_TRUE(mixer.LoadSettings(file));
        std::fclose(file);
        DrainMessages();
        ExpectHoldableValues(mixer, i);
        if (HasFatalFailure())
            return;
    }
    // What the device holds agrees with the model after all that.
    CWssMixer check;
    OpenMixer(check);
    for (DWORD id = 1; id <= kHighestControlId; ++id) {
        MixerControlEntry* entry = nullptr;
        if (mixer.FindControl(id, entry) && entry->HasValues() && !IsMeterControlType(entry->control.dwControlType)) {
            EXPECT_EQ(ValuesOf(mixer, id), ValuesOf(check, id)) << "control " << id;
        }
    }
}

TEST(CardSettingsFile, HundredsOfDamagedFiles)
{
    CardBenchOptions emptyDriverTree;
    emptyDriverTree.emptyDriverTree = true;
    CardBench bench(emptyDriverTree);
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& card = bench.Mixer();
    ASSERT_EQ(1, card.SaveEqSet("Rock"));
    const std::string good = ResourceBytes(IDR_GOLDEN_SIX_CHANNEL_CARD);
    ASSERT_FALSE(good.empty());
    TempFile temp;
    const char* path = temp.Path().c_str();
    Damage damage(7122026);
    for (int i = 0; i < kDamagedCardFiles && !HasFatalFailure(); ++i) {
        const std::string bytes = damage.Apply(good);
        FILE* out = std::fopen(path, "wb");
        ASSERT_NE(nullptr, out);
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
        FILE* in = std::fopen(path, "r");
        ASSERT_NE(nullptr, in);
        EXPECT_TRUE(card.LoadSettings(in));
        std::fclose(in);
        DrainMessages();
        ExpectHoldableValues(card, i);
        ExpectHoldableDriverSettings(card, i);
    }
}
