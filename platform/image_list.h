#pragma once
// An image list, owned: destroyed with the object unless detached. The drag-image
// operations act on the one drag image of the thread.

#include <windows.h>
#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    bool Create(int width, int height, UINT flags, int initial, int grow);
    // From a bitmap strip resource, images of the given width.
    bool Create(UINT bitmapId, int width, int grow, COLORREF mask);
    bool Attach(HIMAGELIST list);
    HIMAGELIST Detach();
    bool DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    int Add(HBITMAP bitmap, COLORREF mask) const { return ImageList_AddMasked(m_hImageList, bitmap, mask); }
    int Add(HICON icon) const { return ImageList_ReplaceIcon(m_hImageList, -1, icon); }
    int GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : -1; }
    bool GetIconSize(int* width, int* height) const { return ImageList_GetIconSize(m_hImageList, width, height) != FALSE; }
    COLORREF SetBkColor(COLORREF color) const { return ImageList_SetBkColor(m_hImageList, color); }
    bool Draw(HDC dc, int image, POINT at, UINT style) const
    {
        return ImageList_Draw(m_hImageList, image, dc, at.x, at.y, style) != FALSE;
    }

    bool BeginDrag(int image, POINT hotSpot) const
    {
        return ImageList_BeginDrag(m_hImageList, image, hotSpot.x, hotSpot.y) != FALSE;
    }
    static bool DragEnter(HWND lock, POINT at) { return ImageList_DragEnter(lock, at.x, at.y) != FALSE; }
    static bool DragMove(POINT at) { return ImageList_DragMove(at.x, at.y) != FALSE; }
    static bool DragLeave(HWND lock) { return ImageList_DragLeave(lock) != FALSE; }
    static bool DragShowNolock(bool show) { return ImageList_DragShowNolock(show) != FALSE; }
    static void EndDrag() { ImageList_EndDrag(); }

private:
    HIMAGELIST m_hImageList = nullptr;
};
