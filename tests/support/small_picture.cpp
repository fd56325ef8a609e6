#include "support/small_picture.h"

#include <cstdint>

std::string SmallPictureFile(int width, int height)
{
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t bits = stride * static_cast<uint32_t>(height);
    std::string file(54 + bits, '\0');
    auto put = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            file[at + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, static_cast<uint32_t>(file.size()));
    put(10, 54);
    put(14, 40);
    put(18, static_cast<uint32_t>(width));
    put(22, static_cast<uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    put(34, bits);
    for (size_t i = 54; i < file.size(); ++i)
        file[i] = static_cast<char>(i * 37);
    return file;
}
