#include "skin/controls/cool_status_text.h"

#include "platform/win_app.h"
#include "platform/wnd.h"
#include "skin/scheme/cool_messages.h"
#include "skin/scheme/cool_scheme.h"

HWND CoolStatusWindow(HWND control)
{
    const CWinApp* app = CWinApp::Current();
    if (app != nullptr && app->m_pMainWnd != nullptr && ::IsWindow(app->m_pMainWnd->GetSafeHwnd()))
        return app->m_pMainWnd->GetSafeHwnd();
    return control != nullptr ? ::GetAncestor(control, GA_ROOT) : nullptr;
}

namespace {

void SendStatus(HWND control, WPARAM id, const char* text)
{
    const HWND target = CoolStatusWindow(control);
    // A control without a main window above it has nowhere to show the text.
    if (target == nullptr || target == control)
        return;
    ::SendMessageA(target, WM_SETMESSAGESTRING, id, reinterpret_cast<LPARAM>(text));
}

} // namespace

void ShowStatusText(HWND control, const CCoolScheme& scheme)
{
    if (!scheme.m_statusText.empty())
        SendStatus(control, 0, scheme.m_statusText.c_str());
    else
        SendStatus(control, static_cast<WPARAM>(static_cast<UINT>(::GetDlgCtrlID(control))), nullptr);
}

void ClearStatusText(HWND control) { SendStatus(control, 0, nullptr); }
