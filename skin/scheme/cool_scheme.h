#pragma once
// The colour scheme every skinned window carries as its second base class.

#include <windows.h>

#include <cstdint>
#include <string>

#include "skin/scheme/cool_colors.h"

// Where and how large a control wants to be; captured once by its container.
struct CoolLayout {
    int32_t flags;
    int32_t leftMargin;
    int32_t rightMargin;
    int32_t topMargin;
    int32_t bottomMargin;
    int32_t width;
    int32_t height;
};
static_assert(sizeof(CoolLayout) == 28, "the layout record travels as 28 bytes");

// Layout flag: the geometry has not been captured yet.
constexpr int32_t kLayoutNotCaptured = static_cast<int32_t>(0x80000000u);

class CCoolScheme {
public:
    // Internal flag bits; the render mode maps onto bits 0-4.
    static constexpr uint32_t kFlat = 1u << 0;
    static constexpr uint32_t kEmbossText = 1u << 1;
    static constexpr uint32_t kAutoShades = 1u << 2;
    static constexpr uint32_t kBlendPicture = 1u << 3;
    static constexpr uint32_t kCarried = 1u << 4;
    static constexpr uint32_t kBorrowedStatusText = 1u << 5;
    static constexpr uint32_t kRenderBits = 0x1Fu;
    static constexpr uint32_t kStyleShift = 6;
    static constexpr uint32_t kStyleMask = 3u << kStyleShift;

    CCoolScheme();
    virtual ~CCoolScheme();

    virtual void SetColor(int role, COLORREF color);
    virtual void SetFlags(int renderMode);
    virtual int SetStyle(unsigned style);
    virtual int GetBkBitmap(HBITMAP* bitmap);
    virtual int GetBkRect(RECT* rect);
    virtual void OnSchemeChanged();

    int GetColor(int role, COLORREF* color) const;
    void GetFlags(int* renderMode) const;
    int GetFlags() const { return ToRenderMode(m_flags); }
    void SetLight(POINT light);
    void GetLight(POINT* light) const;
    void UseWindowsColors();

    static uint32_t ToInternalFlags(int renderMode, uint32_t flags);
    static int ToRenderMode(uint32_t flags);

    // Fields of the scheme, in their order.
    uint32_t m_flags;
    CoolLayout m_layout;
    std::string m_statusText;
    COLORREF m_colors[CCOL_COUNT];
    int32_t m_blendLevel;
    POINT m_light;

private:
    void DeriveShades(int role);
};
