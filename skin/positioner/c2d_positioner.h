#pragma once
// A skinned plane on which small pictures (items of an image list) stand at
// logical positions. The user picks the current item by clicking it, turning the
// wheel, choosing it from the context menu or with Page Up and Page Down (the
// shown items in turn), and moves it by dragging or with the arrow keys (one
// logical step, ten with Shift); the parent hears every change (WM_2DPOS_*,
// skin/positioner_mapping.h), from the keys as from a drag: a move per step and
// one drop when the key is released. Drawn as a cross-hair and three
// ellipses on the scheme's background, with an optional picture blended over it.
//
// Dialog templates create it by the window class "2dPositioner"; the owner then
// subclasses that window. Owns its image list, picture and cached background;
// borrows its window.

#include <windows.h>

#include <vector>

#include "platform/image_list.h"
#include "platform/wnd.h"
#include "skin/draw/cool_bitmap.h"
#include "skin/draw/cool_blend_hold.h"
#include "skin/scheme/cool_scheme.h"
#include "skin/positioner/positioner_mapping.h"

class CCoolDC;

class C2dPositioner : public CWnd, public CCoolScheme {
public:
    static const CRuntimeClass classC2dPositioner;
    const CRuntimeClass* GetRuntimeClass() const override { return &classC2dPositioner; }
    static constexpr const char* kClassName = "2dPositioner";
    // The picture's blend level until the owner gives another.
    static constexpr int kDefaultBlendLevel = 127;

    // Registers the window class on first use.
    C2dPositioner();
    ~C2dPositioner() override;

    // Items from a bitmap strip of images imageWidth wide; every item shown at the
    // default position. False (and no items) when the list cannot be made.
    int LoadItems(UINT bitmapId, int imageWidth, int grow, COLORREF mask);
    // The image list's background colour; the previous one, or -1 without a list.
    COLORREF SetImageBkColor(COLORREF color);
    void SetRange(int xMin, int xMax, int yMin, int yMax);
    const PositionerRange& GetRange() const { return m_range; }
    void SetDefaultPos(int x, int y) { m_defaultPos = {x, y}; }
    // Indices outside 0 ... count - 1 are ignored (GetItemPos: 0).
    void SetItemPos(int index, int x, int y);
    int GetItemPos(int index, int* x, int* y) const;
    void SetItemVisible(int index, int visible);
    bool IsItemVisible(int index) const;
    // Makes an item current; the previous current index.
    int SetCurSel(int index);
    int GetCurSel() const { return m_current; }
    // The image count, or -1 without an image list.
    int GetItemCount() const { return m_images.GetImageCount(); }
    // A bitmap file laid over the background; null only redraws. 0 when the file
    // cannot be loaded, which leaves no picture.
    int SetPicture(const char* path);
    bool HasPicture() { return m_picture.GetWidth() > 0; }
    bool IsDragging() const { return m_dragging; }
    bool HasCachedBackground() { return m_background.GetWidth() > 0; }

    // Checks the menu entry of the current item and unchecks the others, by
    // command: the separator before the last entry would move the check by position.
    static void CheckCurrentSource(HMENU popup, int count, int current);

    void OnSchemeChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int ItemCount() const { return static_cast<int>(m_positions.size()); }
    bool IsItem(int index) const { return index >= 0 && index < ItemCount(); }
    SIZE ClientSize() const;
    POINT ItemPixel(int index) const;
    POINT ClampedLogical(POINT client) const;

    void Paint(HDC target);
    void BuildBackground(CCoolDC& dc, const RECT& client);
    void DrawItems(CCoolDC& dc);
    void DropBackground() { m_background.AttachBitmap(nullptr); }

    void OnButtonDown(POINT point);
    void OnDrag(POINT point);
    void OnButtonUp(POINT point);
    void EndDragImage();
    void OnWheel(int delta);
    // True when the key was the positioner's.
    bool OnKeyDown(WPARAM key);
    void OnKeyUp(WPARAM key);
    void FinishKeyMove();
    void MoveCurrentBy(int dx, int dy);
    void SelectShown(int direction);
    void OnContextMenu(POINT screen);
    bool OnMenuCommand(WPARAM wParam, LPARAM lParam);
    void SelectAndNotify(int index);

    CCoolBlendHold m_blendLibrary;
    CCoolBitmap m_background;
    CCoolBitmap m_picture;
    CImageList m_images;
    std::vector<POINT> m_positions;
    std::vector<int> m_visible;
    int m_current = 0;
    POINT m_defaultPos = {0, 0};
    PositionerRange m_range;
    bool m_dragging = false;
    bool m_keyMoved = false; // moved by keys since the last drop
};
