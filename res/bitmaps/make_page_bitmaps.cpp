// Draws the 3D Settings page's pictures and writes them as 24-bit bitmap files:
// the sources strip of the positioner (19 round badges, 24 pixels each), the six
// speaker buttons in their two states (dark cone when silent, lit with waves when
// playing) and the listener shown beside the mode buttons. Magenta (255, 0, 255)
// is the transparent colour of the strip and the buttons. Run by hand on the build machine when a
// picture changes: make_page_bitmaps res/bitmaps
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Rgb {
    uint8_t r, g, b;
};

const Rgb kMagenta = {255, 0, 255};

class Picture {
public:
    Picture(int width, int height) : m_width(width), m_height(height), m_pixels(size_t(width) * height, kMagenta) {}
    void Set(int x, int y, Rgb colour)
    {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height)
            m_pixels[size_t(y) * m_width + x] = colour;
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Write(const std::string& path) const
    {
        const int stride = (m_width * 3 + 3) & ~3;
        const uint32_t bits = uint32_t(stride) * m_height;
        std::vector<uint8_t> file(54 + bits, 0);
        auto put32 = [&](size_t at, uint32_t v) {
            for (int i = 0; i < 4; ++i)
                file[at + i] = uint8_t(v >> (8 * i));
        };
        file[0] = 'B';
        file[1] = 'M';
        put32(2, uint32_t(file.size()));
        put32(10, 54);
        put32(14, 40);
        put32(18, uint32_t(m_width));
        put32(22, uint32_t(m_height));
        file[26] = 1;
        file[28] = 24;
        put32(34, bits);
        for (int y = 0; y < m_height; ++y) {
            uint8_t* row = &file[54 + size_t(m_height - 1 - y) * stride];
            for (int x = 0; x < m_width; ++x) {
                const Rgb& p = m_pixels[size_t(y) * m_width + x];
                row[x * 3] = p.b;
                row[x * 3 + 1] = p.g;
                row[x * 3 + 2] = p.r;
            }
        }
        FILE* out = std::fopen(path.c_str(), "wb");
        if (!out)
            return false;
        const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
        return std::fclose(out) == 0 && written;
    }

private:
    int m_width, m_height;
    std::vector<Rgb> m_pixels;
};

// A 3 x 5 pixel font, enough for the badges and the speaker names.
const char* Glyph(char c)
{
    switch (c) {
    case '0': return "111101101101111";
    case '1': return "010110010010111";
    case '2': return "111001111100111";
    case '3': return "111001111001111";
    case '4': return "101101111001001";
    case '5': return "111100111001111";
    case '6': return "111100111101111";
    case '7': return "111001010010010";
    case '8': return "111101111101111";
    case '9': return "111101111001111";
    case 'A': return "010101111101101";
    case 'C': return "111100100100111";
    case 'D': return "110101101101110";
    case 'F': return "111100110100100";
    case 'L': return "100100100100111";
    case 'R': return "110101110101101";
    case 'S': return "111100111001111";
    case 'W': return "101101101111101";
    case 'X': return "101101010101101";
    default: return "000000000000000";
    }
}

int TextWidth(const std::string& text, int scale) { return int(text.size()) * 4 * scale - scale; }

void DrawText(Picture& p, const std::string& text, int cx, int cy, int scale, Rgb colour)
{
    int x = cx - TextWidth(text, scale) / 2;
    const int y = cy - 5 * scale / 2;
    for (char c : text) {
        const char* g = Glyph(c);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (g[row * 3 + col] == '1')
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx)
                            p.Set(x + col * scale + dx, y + row * scale + dy, colour);
        x += 4 * scale;
    }
}

Rgb Mix(Rgb a, Rgb b, double t)
{
    return {uint8_t(a.r + (b.r - a.r) * t), uint8_t(a.g + (b.g - a.g) * t), uint8_t(a.b + (b.b - a.b) * t)};
}

void DrawDisc(Picture& p, double cx, double cy, double radius, Rgb rim, Rgb centre)
{
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d <= radius)
                p.Set(x, y, d > radius - 1.2 ? rim : Mix(centre, rim, d / radius * 0.6));
        }
}

// The strip: "2D", the sixteen MIDI channels, all of them together, and FX.
Picture SourcesStrip()
{
    const int size = 24;
    const std::vector<std::string> labels = {"2D", "1",  "2",  "3",  "4",  "5",  "6",  "7",   "8", "9",
                                             "10", "11", "12", "13", "14", "15", "16", "ALL", "FX"};
    Picture strip(size * int(labels.size()), size);
    for (size_t i = 0; i < labels.size(); ++i) {
        Rgb rim = {20, 60, 120};
        Rgb centre = {110, 170, 240};
        if (i == 0) {
            rim = {20, 100, 40};
            centre = {120, 220, 130};
        } else if (i == 17) {
            rim = {130, 80, 10};
            centre = {250, 200, 90};
        } else if (i == 18) {
            rim = {120, 20, 40};
            centre = {240, 120, 140};
        }
        const int left = int(i) * size;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const double d = std::hypot(x + 0.5 - size / 2.0, y + 0.5 - size / 2.0);
                if (d <= 11.0)
                    strip.Set(left + x, y, d > 9.8 ? rim : Mix(centre, rim, d / 11.0 * 0.6));
            }
        DrawText(strip, labels[i], left + size / 2, size / 2 + 1, labels[i].size() > 2 ? 1 : 2, {0, 0, 0});
    }
    return strip;
}

// A speaker button: a cone seen from the front with its name below; when playing,
// lit and with sound waves.
Picture SpeakerButton(const std::string& name, bool playing)
{
    const int size = 32;
    Picture p(size, size);
    const Rgb body = playing ? Rgb{40, 160, 60} : Rgb{70, 70, 80};
    const Rgb cone = playing ? Rgb{170, 250, 170} : Rgb{150, 150, 160};
    // cabinet
    for (int y = 2; y < 24; ++y)
        for (int x = 8; x < 24; ++x)
            p.Set(x, y, (x == 8 || x == 23 || y == 2 || y == 23) ? Rgb{20, 20, 20} : body);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x + 0.5 - 16.0, y + 0.5 - 14.0);
            if (d <= 6.0)
                p.Set(x, y, d > 5.0 ? Rgb{20, 20, 20} : Mix(cone, body, d / 6.0));
        }
    for (int y = 4; y < 7; ++y)
        for (int x = 15; x < 18; ++x)
            p.Set(x, y, cone);
    if (playing) {
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const double d = std::hypot(x + 0.5 - 16.0, y + 0.5 - 14.0);
                if ((x < 7 || x > 24) && (std::fabs(d - 10.0) < 0.6 || std::fabs(d - 13.5) < 0.6))
                    p.Set(x, y, {230, 160, 0});
            }
    }
    DrawText(p, name, 16, 28, 1, playing ? Rgb{120, 255, 120} : Rgb{235, 235, 235});
    return p;
}

// The listener, seen from above: a head with two ears, facing the top.
Picture Listener()
{
    const int size = 32;
    Picture p(size, size);
    // shown by a plain picture control, which knows no transparent colour
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            p.Set(x, y, (x == 0 || y == 0 || x == size - 1 || y == size - 1) ? Rgb{60, 60, 70} : Rgb{200, 205, 215});
    DrawDisc(p, 16, 17, 10, {90, 60, 40}, {240, 200, 160});
    for (int y = 13; y < 21; ++y) {
        p.Set(5, y, {200, 150, 120});
        p.Set(6, y, {200, 150, 120});
        p.Set(26, y, {200, 150, 120});
        p.Set(27, y, {200, 150, 120});
    }
    // the nose shows where the front is
    for (int y = 4; y < 8; ++y)
        for (int x = 15 - (y - 4) / 2; x <= 16 + (y - 4) / 2; ++x)
            p.Set(x, y, {200, 140, 110});
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : ".";
    bool ok = SourcesStrip().Write(folder + "/sources.bmp") && Listener().Write(folder + "/listener.bmp");
    const char* names[] = {"FL", "FR", "C", "SW", "RL", "RR"};
    const char* files[] = {"front_left", "front_right", "centre", "subwoofer", "rear_left", "rear_right"};
    for (int i = 0; i < 6; ++i) {
        ok = ok && SpeakerButton(names[i], false).Write(folder + "/speaker_" + files[i] + ".bmp");
        ok = ok && SpeakerButton(names[i], true).Write(folder + "/speaker_" + files[i] + "_on.bmp");
    }
    if (!ok)
        std::fprintf(stderr, "could not write the pictures into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
