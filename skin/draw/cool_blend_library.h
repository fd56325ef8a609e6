#pragma once
// "msimg32.dll" and its three blending operations, shared by every live drawing
// context: loaded with the first, freed with the last. Without the library, or
// outside the NT family for the transparent copy, the library's own substitutes
// stand in.

#include <windows.h>

using GradientFillFunction = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
using AlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
using TransparentBltFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

class CCoolBlendLibrary {
public:
    static void Acquire();
    static void Release();

    // Valid while at least one drawing context lives.
    static GradientFillFunction GradientFill() { return s_gradientFill; }
    static AlphaBlendFunction AlphaBlend() { return s_alphaBlend; }
    static TransparentBltFunction TransparentBlt() { return s_transparentBlt; }
    static bool HasOwnGradientFill() { return s_gradientFill == OwnGradientFill; }
    static int LiveContexts() { return s_liveContexts; }
    static bool IsLoaded() { return s_module != nullptr; }

    // The library's own substitutes.
    static BOOL WINAPI OwnGradientFill(HDC dc, PTRIVERTEX vertices, ULONG vertexCount, PVOID mesh, ULONG meshCount, ULONG mode);
    static BOOL WINAPI OwnAlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                                     int sourceWidth, int sourceHeight, BLENDFUNCTION blend);
    static BOOL WINAPI OwnTransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                                         int sourceY, int sourceWidth, int sourceHeight, UINT transparent);

private:
    static HMODULE s_module;
    static int s_liveContexts;
    static GradientFillFunction s_gradientFill;
    static AlphaBlendFunction s_alphaBlend;
    static TransparentBltFunction s_transparentBlt;
};
