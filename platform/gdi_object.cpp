#include "platform/gdi_object.h"

#include "platform/win_app.h"

const CRuntimeClass CGdiObject::classCGdiObject("CGdiObject", &CObject::classCObject);

bool CGdiObject::Take(HGDIOBJ handle, bool owned)
{
    if (!handle)
        return false;
    DeleteObject();
    m_hObject = handle;
    m_owned = owned;
    return true;
}

HGDIOBJ CGdiObject::Detach()
{
    const HGDIOBJ handle = m_hObject;
    m_hObject = nullptr;
    m_owned = false;
    return handle;
}

bool CGdiObject::DeleteObject()
{
    const HGDIOBJ handle = m_hObject;
    const bool owned = m_owned;
    Detach();
    return handle && (!owned || ::DeleteObject(handle));
}

bool CBitmap::LoadBitmap(UINT id)
{
    return Attach(::LoadBitmapA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(id)));
}

bool CBitmap::LoadBitmap(const char* name)
{
    return Attach(::LoadBitmapA(CWinApp::ResourceHandle(), name));
}
