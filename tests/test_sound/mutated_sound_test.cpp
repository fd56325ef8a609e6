// Thousands of randomly damaged copies of a good test sound (a fixed seed, so every
// run tries the same files): none crashes the speaker test, none is read past its
// data, and each either plays what its data chunk holds or starts nothing.
#include "test_sound/sound_test_support.h"

#include "support/temp_file.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kMutations = 2000;
constexpr std::mt19937::result_type kSeed = 19;

// One damage: bytes changed (mostly in the headers), a size field rewritten, the
// file cut short, or bytes put in.
std::string Mutate(const std::string& good, std::mt19937& random)
{
    std::string file = good;
    auto below = [&](size_t limit) { return static_cast<size_t>(random() % (limit == 0 ? 1 : limit)); };
    switch (random() % 5) {
    case 0: // a few header bytes
        for (size_t n = 1 + below(4); n > 0; --n)
            file[below(48)] = static_cast<char>(random());
        break;
    case 1: { // a size field of one of the chunks
        static const size_t kSizeFields[] = {4, 16, 40};
        const size_t at = kSizeFields[below(3)];
        const uint32_t value = random() % 2 ? static_cast<uint32_t>(random()) : static_cast<uint32_t>(below(64));
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<char>(value >> (8 * i));
        break;
    }
    case 2: // cut short
        file.resize(below(file.size()));
        break;
    case 3: // bytes put in
        file.insert(below(file.size()), std::string(1 + below(8), static_cast<char>(random())));
        break;
    default: // anywhere
        file[below(file.size())] ^= static_cast<char>(1 + below(255));
        break;
    }
    return file;
}

class MutatedSoundTest : public SoundTest {};

TEST_F(MutatedSoundTest, DamagedCopiesPlayWhatTheyHoldOrNothing)
{
    const std::string good = PcmWave(1, 44100, 16, ToneData(600));
    std::mt19937 random(kSeed);
    TempFile file;
    // One speaker test for all files, as the sheet keeps one.
    CSpeakerTest test;
    ASSERT_EQ(DS_OK, test.InitSoundDevice(Owner(), kProductName));
    int played = 0;
    for (int round = 0; round < kMutations; ++round) {
        const std::string damaged = Mutate(good, random);
        ASSERT_TRUE(file.Write(damaged));
        // Every other file goes through the mono 3D path.
        Sound().Device(kCardDevice).acceptsMultichannel = round % 2 == 0;
        test.LoadTestSound(file.Path().c_str());
        if (FAILED(test.StartSpeaker(SPEAKER_FRONT_LEFT, TRUE))) {
            ASSERT_EQ(0, test.ActiveCount()) << round;
            ASSERT_EQ(0, Sound().LiveObjects()) << round;
            continue;
        }
        ++played;
        const SimSoundBuffer* buffer = Sound().BufferOn(SPEAKER_FRONT_LEFT);
        ASSERT_NE(nullptr, buffer) << round;
        // The buffer holds bytes of the file, within the file.
        const std::vector<BYTE>& memory = buffer->Memory();
        ASSERT_LE(memory.size(), damaged.size()) << round;
        ASSERT_NE(std::string::npos, damaged.find(std::string(memory.begin(), memory.end()))) << round;
        Sound().Render(64);
        Sound().Output(kCardDevice).Clear();
        EXPECT_EQ(DS_OK, test.StopSpeaker(SPEAKER_FRONT_LEFT, TRUE));
        ASSERT_EQ(0, Sound().LiveObjects()) << round;
    }
    // The damage leaves many files playable and makes many unplayable.
    EXPECT_GT(played, kMutations / 10);
    EXPECT_LT(played, kMutations);
    RecordProperty("played", played);
}

} // namespace
