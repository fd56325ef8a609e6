#include "skin/cool_color_set.h"

#include <cstdlib>
#include <ctime>

namespace {

constexpr COOLCOLORSET kMidnightBlue = {0x594437, 0x6BB6FA, 0xB47800, 0x0000FF, 0x00FF00, 9};

COLORREF RandomColor()
{
    const unsigned high = static_cast<unsigned>(std::rand()) & 0x7FFF;
    const unsigned low = static_cast<unsigned>(std::rand()) & 0x7FFF;
    return ((high << 15) + low) & 0xFFFFFF;
}

} // namespace

COOLCOLORSET MakeRandomColorSet()
{
    // Seeded once: two sets made within the same second must still differ.
    static bool seeded = false;
    if (!seeded) {
        const uint32_t seconds = static_cast<uint32_t>(std::time(nullptr));
        std::srand(seconds * seconds);
        seeded = true;
    }
    COOLCOLORSET set = {};
    set.background = RandomColor();
    set.statics = RandomColor();
    set.peakHigh = RandomColor();
    set.peakLow = RandomColor();
    set.text = RandomColor();
    set.renderMode = kDefaultRenderMode;
    return set;
}

BuiltInColorSets BuildBuiltInColorSets(const COOLCOLORSET* programDefault)
{
    BuiltInColorSets sets = {{
        {"- Default -", programDefault != nullptr ? *programDefault : kMidnightBlue},
        {"- Random -", MakeRandomColorSet()},
        {"- Windows -", {}},
        {"Midnight Blue", kMidnightBlue},
        {"Green", {0x5C5C34, 0x6BB6FA, 0x413C32, 0x0000FF, 0x00FFFF, 9}},
        {"Grey 1", {0x4E4E4E, 0xC9C9C9, 0xBABA74, 0xC2C260, 0x616130, 9}},
        {"Black/White", {0x383838, 0xFFFFFF, 0x404040, 0xAAAAAA, 0x666666, 8}},
        {"Grey 2", {0x626258, 0xC9C9C9, 0xBABA74, 0x0064C8, 0x00FF00, 9}},
        {"Hot Metal", {0x504141, 0xB9B9B9, 0xEB786E, 0x005AFF, 0x00FF00, 9}},
    }};
    return sets;
}
