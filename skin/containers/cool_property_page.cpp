#include "skin/containers/cool_property_page.h"

#include "platform/dc.h"
#include "skin/containers/cool_container_scheme.h"
#include "skin/scheme/cool_messages.h"
#include "skin/controls/cool_parent_background.h"
#include "skin/containers/cool_property_sheet.h"
#include "skin/scheme/cool_spread.h"

const CRuntimeClass CCoolPropertyPage::classCCoolPropertyPage("CCoolPropertyPage",
                                                              &CPropertyPage::classCPropertyPage);

CCoolPropertySheet* CCoolPropertyPage::GetCoolSheet() const
{
    CWnd* parent = m_hWnd ? GetParentWnd() : nullptr;
    return parent && parent->IsKindOf(&CCoolPropertySheet::classCCoolPropertySheet)
        ? static_cast<CCoolPropertySheet*>(parent)
        : nullptr;
}

BOOL CCoolPropertyPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    AskParentScheme(GetParent(), *this);
    if (CCoolPropertySheet* sheet = GetCoolSheet())
        SetLight(sheet->LightPointFor(m_hWnd));
    SpreadScheme();
    return TRUE;
}

void CCoolPropertyPage::SpreadScheme()
{
    ::SpreadScheme(m_hWnd, *this);
}

int CCoolPropertyPage::GetBkBitmap(HBITMAP* bitmap)
{
    const HWND parent = m_hWnd ? GetParent() : nullptr;
    if (parent == nullptr || bitmap == nullptr)
        return 0;
    if (CCoolPropertySheet* sheet = GetCoolSheet())
        return sheet->GetBkBitmap(bitmap);
    return static_cast<int>(::SendMessageA(parent, WM_COOL_GETBKBITMAP, 0, reinterpret_cast<LPARAM>(bitmap)));
}

int CCoolPropertyPage::GetBkRect(RECT* rect)
{
    const HWND parent = m_hWnd ? GetParent() : nullptr;
    if (parent == nullptr || rect == nullptr)
        return 0;
    if (CCoolPropertySheet* sheet = GetCoolSheet())
        return sheet->GetBkRect(rect);
    return static_cast<int>(::SendMessageA(parent, WM_COOL_GETBKRECT, 0, reinterpret_cast<LPARAM>(rect)));
}

void CCoolPropertyPage::EraseBackground(HDC dc)
{
    // Only a skinned sheet's background continues behind its pages.
    if (GetCoolSheet() == nullptr)
        return;
    RECT client;
    GetClientRect(&client);
    CopyParentBackground(m_hWnd, dc, 0, 0, client.right, client.bottom);
}

LRESULT CCoolPropertyPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleContainerSchemeMessage(m_hWnd, *this, m_relay, [this] { SpreadScheme(); }, message, wParam, lParam,
                                     &result))
        return result;
    switch (message) {
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT: {
        // Nothing to draw over the background: validating is all.
        CPaintDC validate(m_hWnd);
        return 0;
    }
    case WM_SIZE:
        LayOutAfterResize(m_hWnd, wParam);
        break;
    case WM_MOVE:
        // The sheet places a page only after initialising it: the light point taken
        // then was converted for the wrong place.
        if (CCoolPropertySheet* sheet = GetCoolSheet()) {
            SetLight(sheet->LightPointFor(m_hWnd));
            SpreadScheme();
        }
        break;
    default:
        break;
    }
    return CPropertyPage::WindowProc(message, wParam, lParam);
}
