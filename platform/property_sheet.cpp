#include "platform/property_sheet.h"

#include "platform/property_page.h"
#include "platform/win_app.h"

namespace {

// The sheet whose window is being made: its style goes into the template.
thread_local CPropertySheet* t_creatingSheet = nullptr;

struct DialogTemplateEx {
    WORD version;
    WORD signature;
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
};

} // namespace

const CRuntimeClass CPropertySheet::classCPropertySheet("CPropertySheet", &CWnd::classCWnd);

void CPropertySheet::Construct(const char* caption, HWND parent, UINT selectPage)
{
    m_caption = caption ? caption : "";
    m_parent = parent;
    m_startPage = selectPage;
}

void CPropertySheet::Construct(UINT captionId, HWND parent, UINT selectPage)
{
    Construct(CWinApp::LoadString(captionId).c_str(), parent, selectPage);
}

bool CPropertySheet::AddPage(CPropertyPage* page)
{
    if (!page || GetPageIndex(page) >= 0)
        return false;
    if (m_hWnd) {
        HPROPSHEETPAGE handle = CreatePropertySheetPageA(&page->Description());
        if (!handle)
            return false;
        if (!SendMessage(PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle))) {
            DestroyPropertySheetPage(handle);
            return false;
        }
    }
    m_pages.push_back(page);
    return true;
}

bool CPropertySheet::RemovePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return false;
    if (m_hWnd)
        SendMessage(PSM_REMOVEPAGE, static_cast<WPARAM>(index), 0);
    m_pages.erase(m_pages.begin() + index);
    return true;
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const
{
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] == page)
            return static_cast<int>(i);
    return -1;
}

HWND CPropertySheet::GetTabControl() const
{
    return m_hWnd ? reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL)) : nullptr;
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return static_cast<int>(m_startPage);
    // The page whose window is shown, not the tab selection, which may run ahead of it.
    const HWND current = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    for (size_t i = 0; current && i < m_pages.size(); ++i)
        if (m_pages[i]->m_hWnd == current)
            return static_cast<int>(i);
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

bool CPropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return false;
    if (!m_hWnd) {
        m_startPage = static_cast<UINT>(index);
        return true;
    }
    return SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != 0;
}

bool CPropertySheet::Create(HWND parent, DWORD style, DWORD exStyle)
{
    m_style = style;
    m_exStyle = exStyle;
    return Open(true, parent) != 0 && m_hWnd;
}

INT_PTR CPropertySheet::DoModal()
{
    m_result = -1;
    const INT_PTR answer = Open(false, m_parent);
    return m_result >= 0 ? m_result : answer;
}

INT_PTR CPropertySheet::Open(bool modeless, HWND parent)
{
    if (m_hWnd)
        return 0;
    m_modeless = modeless;
    std::vector<PROPSHEETPAGEA> pages;
    pages.reserve(m_pages.size());
    for (CPropertyPage* page : m_pages)
        pages.push_back(page->Description());

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | m_sheetFlags | (modeless ? PSH_MODELESS : 0);
    header.hwndParent = parent;
    header.hInstance = CWinApp::ResourceHandle();
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = m_startPage < pages.size() ? m_startPage : 0;
    header.ppsp = pages.empty() ? nullptr : pages.data();
    header.pfnCallback = &CPropertySheet::SheetCallback;

    CPropertySheet* previous = t_creatingSheet;
    t_creatingSheet = this;
    INT_PTR result;
    {
        CreationScope scope(this);
        result = PropertySheetA(&header);
    }
    t_creatingSheet = previous;
    return result;
}

int CALLBACK CPropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam)
{
    CPropertySheet* sheet = t_creatingSheet;
    if (message != PSCB_PRECREATE || !sheet || !lParam || sheet->m_style == static_cast<DWORD>(-1))
        return 0;
    // The template's dialog flags stay; the window styles are the caller's.
    auto* extended = reinterpret_cast<DialogTemplateEx*>(lParam);
    if (extended->signature == 0xFFFF) {
        extended->style = (extended->style & 0xFFFF) | (sheet->m_style & 0xFFFF0000);
        extended->exStyle = sheet->m_exStyle;
    } else {
        auto* plain = reinterpret_cast<DLGTEMPLATE*>(lParam);
        plain->style = (plain->style & 0xFFFF) | (sheet->m_style & 0xFFFF0000);
        plain->dwExtendedStyle = sheet->m_exStyle;
    }
    return 0;
}

void CPropertySheet::EndDialog(int result)
{
    if (!m_hWnd)
        return;
    m_result = result;
    if (m_modeless)
        DestroyWindow();
    else
        PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

BOOL CPropertySheet::OnInitDialog()
{
    return static_cast<BOOL>(Default());
}

bool CPropertySheet::PreTranslateMessage(MSG* message)
{
    if (!m_modeless || !m_hWnd)
        return false;
    if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST &&
        SendMessage(PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(message)))
        return true;
    return false;
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    // OK or Cancel leaves a modeless sheet without a current page: it is done.
    const bool ending = message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
    if (ending && m_modeless && m_hWnd && !SendMessage(PSM_GETCURRENTPAGEHWND))
        DestroyWindow();
    return result;
}
