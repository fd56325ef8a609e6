#include "platform/dialog.h"

#include "platform/win_app.h"

#include <cassert>

const CRuntimeClass CDialog::classCDialog("CDialog", &CWnd::classCWnd);

INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM)
{
    // Every message reaches the object through its window procedure first.
    return FALSE;
}

bool CDialog::Create(UINT templateId, HWND parent)
{
    if (m_hWnd)
        return false;
    m_modeless = true;
    CreationScope scope(this);
    const HWND window = CreateDialogParamA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(templateId), parent,
                                           &CDialog::DialogProc, 0);
    return window && window == m_hWnd;
}

bool CDialog::CreateIndirect(const DLGTEMPLATE* dialogTemplate, HWND parent)
{
    if (m_hWnd || !dialogTemplate)
        return false;
    m_modeless = true;
    CreationScope scope(this);
    const HWND window = CreateDialogIndirectParamA(CWinApp::ResourceHandle(), dialogTemplate, parent,
                                                   &CDialog::DialogProc, 0);
    return window && window == m_hWnd;
}

void CDialog::InitModalIndirect(const DLGTEMPLATE* dialogTemplate, HWND parent)
{
    m_template = dialogTemplate;
    m_parent = parent;
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd)
        return -1;
    m_modeless = false;
    CreationScope scope(this);
    if (m_template)
        return DialogBoxIndirectParamA(CWinApp::ResourceHandle(), m_template, m_parent, &CDialog::DialogProc, 0);
    return DialogBoxParamA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(m_templateId), m_parent,
                           &CDialog::DialogProc, 0);
}

void CDialog::EndDialog(int result)
{
    if (!m_hWnd)
        return;
    if (m_modeless)
        DestroyWindow();
    else
        ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog()
{
    DoDataExchange();
    return TRUE;
}

bool CDialog::AttachItem(int id, CWnd& control)
{
    if (control.m_hWnd) {
        // Attached again (the data exchange may run more than once), never moved.
        assert(control.m_hWnd == GetDlgItem(id) && "the control object belongs to another window");
        return control.m_hWnd == GetDlgItem(id);
    }
    return control.SubclassDlgItem(id, m_hWnd);
}

bool CDialog::PreTranslateMessage(MSG* message)
{
    if (!m_modeless || message->message < WM_KEYFIRST || message->message > WM_KEYLAST)
        return false;
    return IsDialogMessageA(m_hWnd, message) != FALSE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
            OnOK();
            return 0;
        }
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return 0;
        }
        if (lParam != 0 && (HIWORD(wParam) == BN_CLICKED ? OnClicked(LOWORD(wParam))
                                                         : OnCommand(LOWORD(wParam), HIWORD(wParam))))
            return 0;
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
