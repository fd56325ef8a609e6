#include "platform/property_page.h"

#include "platform/property_sheet.h"
#include "platform/win_app.h"

#include <cassert>

const CRuntimeClass CPropertyPage::classCPropertyPage("CPropertyPage", &CDialog::classCDialog);

void CPropertyPage::Construct(UINT templateId, UINT captionId)
{
    m_templateId = templateId;
    m_template = nullptr;
    if (captionId)
        m_title = CWinApp::LoadString(captionId);
}

void CPropertyPage::ConstructIndirect(const DLGTEMPLATE* dialogTemplate)
{
    m_template = dialogTemplate;
    m_templateId = 0;
}

void CPropertyPage::SetTitle(const char* title)
{
    m_title = title ? title : "";
}

const PROPSHEETPAGEA& CPropertyPage::Description()
{
    m_description = {};
    m_description.dwSize = sizeof(m_description);
    m_description.dwFlags = PSP_DEFAULT;
    m_description.hInstance = CWinApp::ResourceHandle();
    if (m_template) {
        m_description.dwFlags |= PSP_DLGINDIRECT;
        m_description.pResource = m_template;
    } else {
        m_description.pszTemplate = MAKEINTRESOURCEA(m_templateId);
    }
    if (!m_title.empty()) {
        m_description.dwFlags |= PSP_USETITLE;
        m_description.pszTitle = m_title.c_str();
    }
    m_description.pfnDlgProc = &CPropertyPage::PageProc;
    m_description.lParam = reinterpret_cast<LPARAM>(this);
    return m_description;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The sheet makes the page window: the object meets it at its first dialog message.
    if (message != WM_INITDIALOG || !lParam)
        return FALSE;
    auto* page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
    assert(page != nullptr && "a page window without its page object");
    if (!page || !page->Link(window, true, false))
        return FALSE;
    try {
        return page->Dispatch(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

CPropertySheet* CPropertyPage::GetSheet() const
{
    CWnd* parent = GetParentWnd();
    return parent && parent->IsKindOf(&CPropertySheet::classCPropertySheet) ? static_cast<CPropertySheet*>(parent)
                                                                            : nullptr;
}

void CPropertyPage::SetModified(bool changed) const
{
    const HWND sheet = GetParent();
    if (sheet)
        ::SendMessageA(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT CPropertyPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY && lParam) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == GetParent()) {
            switch (header->code) {
            case PSN_SETACTIVE:
                return OnSetActive() ? 0 : -1;
            case PSN_KILLACTIVE:
                return OnKillActive() ? FALSE : TRUE;
            case PSN_APPLY:
                return OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
            case PSN_RESET:
                OnReset();
                return 0;
            default:
                break;
            }
        }
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
