#pragma once
// GDI objects. An object owns the handle it created, loaded or was given with
// Attach and deletes it; a handle taken with Borrow is only used, never deleted.

#include <windows.h>

#include "platform/runtime_class.h"

class CGdiObject : public CObject {
public:
    static const CRuntimeClass classCGdiObject;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCGdiObject; }

    CGdiObject() = default;
    ~CGdiObject() override { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    bool Attach(HGDIOBJ handle) { return Take(handle, true); }
    bool Borrow(HGDIOBJ handle) { return Take(handle, false); }
    // Gives the handle up without deleting it.
    HGDIOBJ Detach();
    // Deletes an owned handle (forgets a borrowed one).
    bool DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    bool IsOwner() const { return m_owned; }
    int GetObject(int size, void* out) const { return m_hObject ? ::GetObjectA(m_hObject, size, out) : 0; }

    HGDIOBJ m_hObject = nullptr;

protected:
    bool Take(HGDIOBJ handle, bool owned);

private:
    bool m_owned = false;
};

class CBitmap : public CGdiObject {
public:
    HBITMAP GetHandle() const { return static_cast<HBITMAP>(m_hObject); }
    bool LoadBitmap(UINT id);
    bool LoadBitmap(const char* name);
    bool CreateCompatibleBitmap(HDC dc, int width, int height)
    {
        return Attach(::CreateCompatibleBitmap(dc, width, height));
    }
    bool CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
    {
        return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
    }
    bool GetBitmap(BITMAP* out) const { return GetObject(sizeof(BITMAP), out) != 0; }
};

class CPen : public CGdiObject {
public:
    HPEN GetHandle() const { return static_cast<HPEN>(m_hObject); }
    bool CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
};

class CBrush : public CGdiObject {
public:
    HBRUSH GetHandle() const { return static_cast<HBRUSH>(m_hObject); }
    bool CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
};

class CFont : public CGdiObject {
public:
    HFONT GetHandle() const { return static_cast<HFONT>(m_hObject); }
    bool CreateFontIndirect(const LOGFONTA* font) { return Attach(::CreateFontIndirectA(font)); }
    bool GetLogFont(LOGFONTA* out) const { return GetObject(sizeof(LOGFONTA), out) != 0; }
};
