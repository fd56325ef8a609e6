#include "platform/image_list.h"

#include "platform/win_app.h"

bool CImageList::Create(int width, int height, UINT flags, int initial, int grow)
{
    return Attach(ImageList_Create(width, height, flags, initial, grow));
}

bool CImageList::Create(UINT bitmapId, int width, int grow, COLORREF mask)
{
    return Attach(ImageList_LoadImageA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(bitmapId), width, grow, mask,
                                       IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

bool CImageList::Attach(HIMAGELIST list)
{
    if (!list)
        return false;
    DeleteImageList();
    m_hImageList = list;
    return true;
}

HIMAGELIST CImageList::Detach()
{
    const HIMAGELIST list = m_hImageList;
    m_hImageList = nullptr;
    return list;
}

bool CImageList::DeleteImageList()
{
    const HIMAGELIST list = Detach();
    return list && ImageList_Destroy(list);
}
