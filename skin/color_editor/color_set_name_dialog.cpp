#include "skin/color_editor/color_set_name_dialog.h"

#include <cstdio>
#include <vector>

namespace {

constexpr const char* kOverwriteQuestion = "The color set name '%s' is already used!\nDo you want to overwrite it?";
constexpr int kButtonGap = 8;

} // namespace

RECT ChildRectInParent(HWND child)
{
    RECT rect = {};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool AskOverwrite(HWND owner, const std::string& name)
{
    std::vector<char> question(name.size() + 128);
    std::snprintf(question.data(), question.size(), kOverwriteQuestion, name.c_str());
    return ::MessageBoxA(owner, question.data(), kColorSettingsCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

CColorSetNameDialog::CColorSetNameDialog(const DLGTEMPLATE* dialogTemplate, HWND parent, const std::string& name)
    : m_template(dialogTemplate), m_name(name)
{
    m_owner = parent;
}

INT_PTR CColorSetNameDialog::DoModal()
{
    InitModalIndirect(m_template, m_owner);
    return CCoolDialog::DoModal();
}

BOOL CColorSetNameDialog::OnInitDialog()
{
    CCoolDialog::OnInitDialog();
    AttachItem(IDOK, m_ok);
    AttachItem(IDCANCEL, m_cancel);
    RECT ok = ChildRectInParent(m_ok.m_hWnd);
    RECT cancel = ChildRectInParent(m_cancel.m_hWnd);
    RECT field = {};
    ::UnionRect(&field, &ok, &cancel);
    field.bottom -= 2;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL;
    if (m_edit.Create("EDIT", m_name.empty() ? "New" : m_name.c_str(), style, field, m_hWnd, kNameEditId)) {
        m_edit.SetFont(m_ok.GetFont(), false);
        m_edit.SetLimitText(kMaxColorSetNameChars);
    }
    const int shift = field.bottom - field.top + kButtonGap;
    OffsetRect(&ok, 0, shift);
    OffsetRect(&cancel, 0, shift);
    m_ok.MoveWindow(ok, false);
    m_cancel.MoveWindow(cancel, false);
    RECT frame = {};
    GetWindowRect(&frame);
    SetWindowPos(nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + shift,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowText("Save as");
    SpreadScheme();
    if (m_edit.m_hWnd != nullptr) {
        m_edit.SetFocus();
        m_edit.SetSel(0, -1);
    }
    // The focus is set.
    return FALSE;
}

void CColorSetNameDialog::OnOK()
{
    if (m_edit.m_hWnd != nullptr)
        m_name = m_edit.GetWindowText().substr(0, kMaxColorSetNameChars);
    CCoolDialog::OnOK();
}
