#include "skin/draw/cool_shading.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

int Mix(int centre, int edge, double t) { return static_cast<int>(centre + t * (edge - centre)); }

} // namespace

TRIVERTEX MakeVertex(LONG x, LONG y, COLORREF color)
{
    TRIVERTEX vertex = {};
    vertex.x = x;
    vertex.y = y;
    vertex.Red = static_cast<COLOR16>(GetRValue(color) << 8);
    vertex.Green = static_cast<COLOR16>(GetGValue(color) << 8);
    vertex.Blue = static_cast<COLOR16>(GetBValue(color) << 8);
    vertex.Alpha = 0;
    return vertex;
}

ShadeMesh BuildShadeMesh(const RECT& rect, COLORREF edge, COLORREF centre, POINT* light, int mode)
{
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    POINT middle;
    if (light != nullptr) {
        if (light->x <= rect.left + 2)
            light->x = rect.left + 2;
        else if (light->x >= rect.right - 2)
            light->x = rect.right - 2;
        if (light->y <= rect.top + 2)
            light->y = rect.top + 2;
        else if (light->y >= rect.bottom - 2)
            light->y = rect.bottom - 2;
        middle = *light;
    } else {
        middle = POINT{rect.left + width / 16 + 1, rect.top + height / 16 + 1};
    }

    ShadeMesh mesh;
    mesh.mode = GRADIENT_FILL_TRIANGLE;
    if (mode & 1) {
        mesh.vertices = {MakeVertex(middle.x, middle.y, centre), MakeVertex(rect.left, rect.top, edge),
                         MakeVertex(rect.right, rect.top, edge), MakeVertex(rect.right, rect.bottom, edge),
                         MakeVertex(rect.left, rect.bottom, edge)};
        mesh.triangles = {{0, 1, 2}, {0, 2, 3}, {0, 3, 4}, {0, 4, 1}};
        return mesh;
    }

    const LONG midX = rect.left + width / 2;
    const LONG midY = rect.top + height / 2;
    const POINT rim[8] = {{rect.left, rect.top},  {midX, rect.top},        {rect.right, rect.top},
                          {rect.right, midY},     {rect.right, rect.bottom}, {midX, rect.bottom},
                          {rect.left, rect.bottom}, {rect.left, midY}};
    // t = distance / half the diagonal, compared in whole numbers first so that a
    // rim point as far as a corner seen from the middle is exactly the edge colour.
    const long long diagonalSquared = static_cast<long long>(width) * width + static_cast<long long>(height) * height;
    for (const POINT& point : rim) {
        const long long dx = point.x - middle.x;
        const long long dy = point.y - middle.y;
        const long long distanceSquaredTimesFour = 4 * (dx * dx + dy * dy);
        const double t = distanceSquaredTimesFour >= diagonalSquared
            ? 1.0
            : std::sqrt(static_cast<double>(distanceSquaredTimesFour) / static_cast<double>(diagonalSquared));
        const COLORREF color = RGB(Mix(GetRValue(centre), GetRValue(edge), t), Mix(GetGValue(centre), GetGValue(edge), t),
                                   Mix(GetBValue(centre), GetBValue(edge), t));
        mesh.vertices.push_back(MakeVertex(point.x, point.y, color));
    }
    mesh.vertices.push_back(MakeVertex(middle.x, middle.y, centre));
    for (ULONG i = 0; i < 7; ++i)
        mesh.triangles.push_back({8, i, i + 1});
    mesh.triangles.push_back({8, 7, 0});
    return mesh;
}

ShadeMesh BuildTwoBandShade(const RECT& rect, COLORREF edge, COLORREF centre)
{
    const LONG midY = rect.top + (rect.bottom - rect.top) / 2;
    ShadeMesh mesh;
    mesh.mode = GRADIENT_FILL_RECT_V;
    mesh.vertices = {MakeVertex(rect.left, rect.top, edge), MakeVertex(rect.right, midY, centre),
                     MakeVertex(rect.left, midY, centre), MakeVertex(rect.right, rect.bottom, edge)};
    mesh.rects = {{0, 1}, {2, 3}};
    return mesh;
}

ShadeMesh BuildMirrorGradient(const RECT& rect, COLORREF edge, COLORREF middle, bool horizontal)
{
    ShadeMesh mesh;
    if (horizontal) {
        const LONG midX = rect.left + (rect.right - rect.left) / 2;
        mesh.mode = GRADIENT_FILL_RECT_H;
        mesh.vertices = {MakeVertex(rect.left, rect.top, edge), MakeVertex(midX, rect.bottom, middle),
                         MakeVertex(midX, rect.top, middle), MakeVertex(rect.right, rect.bottom, edge)};
    } else {
        const LONG midY = rect.top + (rect.bottom - rect.top) / 2;
        mesh.mode = GRADIENT_FILL_RECT_V;
        mesh.vertices = {MakeVertex(rect.left, rect.top, edge), MakeVertex(rect.right, midY, middle),
                         MakeVertex(rect.left, midY, middle), MakeVertex(rect.right, rect.bottom, edge)};
    }
    mesh.rects = {{0, 1}, {2, 3}};
    return mesh;
}

ShadeMesh BuildShadedTriangle(const POINT corners[3], COLORREF edge, COLORREF centre, const POINT* inner)
{
    ShadeMesh mesh;
    mesh.mode = GRADIENT_FILL_TRIANGLE;
    for (int i = 0; i < 3; ++i)
        mesh.vertices.push_back(MakeVertex(corners[i].x, corners[i].y, edge));
    if (inner == nullptr) {
        mesh.vertices[2] = MakeVertex(corners[2].x, corners[2].y, centre);
        mesh.triangles = {{0, 1, 2}};
    } else {
        mesh.vertices.push_back(MakeVertex(inner->x, inner->y, centre));
        mesh.triangles = {{0, 1, 3}, {1, 2, 3}, {2, 0, 3}};
    }
    return mesh;
}

int KnobRimVertexCount(const RECT& rect)
{
    const int radius = std::min((rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2);
    // Knobs under four pixels have no rim at all (and no root to take).
    if (radius <= 2)
        return 0;
    const int n = static_cast<int>(std::floor(std::sqrt((radius - 2) * 2.0 * kPi))) / 4;
    return 16 * n;
}

ShadeMesh BuildShadedEllipse(const RECT& rect, COLORREF edge, COLORREF centre, POINT* light)
{
    ShadeMesh mesh;
    mesh.mode = GRADIENT_FILL_TRIANGLE;
    const int m = KnobRimVertexCount(rect);
    if (m == 0)
        return mesh;
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    const int rx = width / 2;
    const int ry = height / 2;
    const int r = std::min(rx, ry);
    for (int k = 0; k < m; ++k) {
        const double angle = 2.0 * kPi * k / m;
        mesh.vertices.push_back(MakeVertex(static_cast<LONG>(rect.left + rx + std::cos(angle) * rx + 0.5),
                                           static_cast<LONG>(rect.top + ry + std::sin(angle) * ry + 0.5), edge));
    }
    POINT middle = {rect.left + rx, rect.top + ry};
    if (light != nullptr) {
        light->x = std::max<LONG>(0, std::min<LONG>(light->x, width));
        light->y = std::max<LONG>(0, std::min<LONG>(light->y, height));
        const double dx = light->x - rx;
        const double dy = light->y - ry;
        const double d = std::sqrt(dx * dx + dy * dy) / (0.8 * (r - 2));
        if (d >= 1.0) {
            light->x = static_cast<LONG>(rx + dx / d + 0.5);
            light->y = static_cast<LONG>(ry + dy / d + 0.5);
        }
        // The light point is in the knob's own coordinates, as its face is drawn.
        middle = *light;
    }
    mesh.vertices.push_back(MakeVertex(middle.x, middle.y, centre));
    const ULONG centreIndex = static_cast<ULONG>(m);
    for (ULONG k = 0; k + 1 < centreIndex; ++k)
        mesh.triangles.push_back({k, k + 1, centreIndex});
    mesh.triangles.push_back({centreIndex - 1, 0, centreIndex});
    return mesh;
}
