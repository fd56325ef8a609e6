// Draws the panel's icon (a speaker sending out sound waves on a rounded dark
// square) and writes it as a Windows icon file with 16, 32 and 48 pixel images in
// 32-bit colour with alpha and a matching mask. Run by hand on the build machine
// when the picture changes: make_panel_icon res/icons/panel.ico
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Colour {
    double r, g, b, a;
};

struct Point {
    double x, y;
};

bool InRoundedSquare(double x, double y)
{
    const double margin = 0.03, radius = 0.2;
    const double lo = margin + radius, hi = 1.0 - margin - radius;
    const double cx = x < lo ? lo : (x > hi ? hi : x);
    const double cy = y < lo ? lo : (y > hi ? hi : y);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

bool InPolygon(const std::vector<Point>& polygon, double x, double y)
{
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

bool InWave(double x, double y)
{
    const double cx = 0.50, cy = 0.5;
    const double dx = x - cx, dy = y - cy;
    if (dx <= 0 || std::fabs(dy) > dx * 1.1)
        return false;
    const double r = std::sqrt(dx * dx + dy * dy);
    const double radii[] = {0.15, 0.26, 0.37};
    for (double radius : radii)
        if (std::fabs(r - radius) <= 0.035)
            return true;
    return false;
}

// The colour of one point of the picture, in the unit square (y down).
Colour Sample(double x, double y)
{
    static const std::vector<Point> cone = {{0.31, 0.39}, {0.47, 0.22}, {0.47, 0.78}, {0.31, 0.61}};
    if (!InRoundedSquare(x, y))
        return {0, 0, 0, 0};
    if (x >= 0.17 && x <= 0.32 && y >= 0.39 && y <= 0.61)
        return {0.96, 0.62, 0.16, 1};
    if (InPolygon(cone, x, y))
        return {0.99, 0.74, 0.26, 1};
    if (InWave(x, y))
        return {0.55, 0.90, 0.98, 1};
    // The square: lighter at the top.
    const double shade = 0.30 - 0.14 * y;
    return {shade * 0.75, shade * 0.85, shade, 1};
}

struct Image {
    int size;
    std::vector<uint8_t> bgra; // top-down
};

Image Draw(int size)
{
    const int grid = 6; // samples per pixel side
    Image image{size, std::vector<uint8_t>(static_cast<size_t>(size) * size * 4)};
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < grid; ++sy)
                for (int sx = 0; sx < grid; ++sx) {
                    const Colour c = Sample((px + (sx + 0.5) / grid) / size, (py + (sy + 0.5) / grid) / size);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            const double n = grid * grid;
            uint8_t* out = &image.bgra[(static_cast<size_t>(py) * size + px) * 4];
            const double alpha = a / n;
            out[0] = static_cast<uint8_t>(a > 0 ? std::lround(255 * b / a) : 0);
            out[1] = static_cast<uint8_t>(a > 0 ? std::lround(255 * g / a) : 0);
            out[2] = static_cast<uint8_t>(a > 0 ? std::lround(255 * r / a) : 0);
            out[3] = static_cast<uint8_t>(std::lround(255 * alpha));
        }
    }
    return image;
}

void Put16(std::vector<uint8_t>& out, unsigned value)
{
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// BITMAPINFOHEADER (double height: colour rows then mask rows), pixels bottom-up,
// then the mask: 1 where the picture is transparent.
std::vector<uint8_t> Encode(const Image& image)
{
    const int size = image.size;
    const int maskStride = ((size + 31) / 32) * 4;
    std::vector<uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(size));
    Put32(out, static_cast<uint32_t>(size * 2));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(size * size * 4 + maskStride * size));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x)
            for (int c = 0; c < 4; ++c)
                out.push_back(image.bgra[(static_cast<size_t>(y) * size + x) * 4 + c]);
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> row(static_cast<size_t>(maskStride), 0);
        for (int x = 0; x < size; ++x)
            if (image.bgra[(static_cast<size_t>(y) * size + x) * 4 + 3] < 128)
                row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_panel_icon output.ico\n");
        return 2;
    }
    const int sizes[] = {16, 32, 48};
    std::vector<std::vector<uint8_t>> images;
    for (int size : sizes)
        images.push_back(Encode(Draw(size)));
    std::vector<uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, static_cast<unsigned>(images.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        file.push_back(static_cast<uint8_t>(sizes[i]));
        file.push_back(static_cast<uint8_t>(sizes[i]));
        file.push_back(0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, static_cast<uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        file.insert(file.end(), image.begin(), image.end());
    FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr || std::fwrite(file.data(), 1, file.size(), out) != file.size() || std::fclose(out) != 0) {
        std::fprintf(stderr, "make_panel_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
