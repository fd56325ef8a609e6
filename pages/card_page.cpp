#include "pages/card_page.h"

#include <string>

#include "platform/resource_string.h"

const CRuntimeClass CCardPage::classCCardPage("CCardPage", &CCoolPropertyPage::classCCoolPropertyPage);

BOOL CCardPage::OnInitDialog()
{
    CCoolPropertyPage::OnInitDialog();
    for (std::size_t i = 0; i < m_textCount; ++i)
        SetItemText(m_texts[i].itemId, m_texts[i].stringId);
    return TRUE;
}

bool CCardPage::OnSetActive()
{
    Refresh();
    return CCoolPropertyPage::OnSetActive();
}

bool CCardPage::SetItemText(int id, UINT stringId) const
{
    const std::string text = LoadResourceString(stringId);
    return !text.empty() && ::SetDlgItemTextA(m_hWnd, id, text.c_str()) != FALSE;
}

void CCardPage::Show(int id, bool show) const
{
    ::ShowWindow(GetDlgItem(id), show ? SW_SHOW : SW_HIDE);
}

void CCardPage::Enable(int id, bool enable) const
{
    ::EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE);
}

void CCardPage::Check(int id, bool check) const
{
    ::CheckDlgButton(m_hWnd, id, check ? BST_CHECKED : BST_UNCHECKED);
}

bool CCardPage::IsChecked(int id) const
{
    return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

bool CCardPage::IsShown(int id) const
{
    return (::GetWindowLongA(GetDlgItem(id), GWL_STYLE) & WS_VISIBLE) != 0;
}
