#include "platform/win_app.h"

#include <cstdlib>

#include "platform/command_line_info.h"
#include "platform/resource_string.h"
#include "platform/wnd.h"

namespace {

CWinApp* g_app = nullptr;

} // namespace

CWinApp::CWinApp() : m_hInstance(GetModuleHandleA(nullptr))
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* CWinApp::Current()
{
    return g_app;
}

HINSTANCE CWinApp::ResourceHandle()
{
    return g_app ? g_app->m_hInstance : GetModuleHandleA(nullptr);
}

int CWinApp::Main()
{
    if (!InitInstance())
        return ExitInstance();
    return Run();
}

int CWinApp::Run()
{
    MSG message;
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            m_exitCode = static_cast<int>(message.wParam);
            break;
        }
        if (got < 0)
            break;
        if (!PreTranslateMessage(&message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return ExitInstance();
}

bool CWinApp::PreTranslateMessage(MSG* message)
{
    CWnd* offered = nullptr;
    if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST && m_pMainWnd) {
        offered = m_pMainWnd;
        if (m_pMainWnd->PreTranslateMessage(message))
            return true;
    }
    for (HWND window = message->hwnd; window; window = GetParent(window)) {
        CWnd* object = CWnd::FromHandle(window);
        if (object && object != offered && object->PreTranslateMessage(message))
            return true;
        if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
            break;
    }
    return false;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info, int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (!argument)
            continue;
        const bool isFlag = argument[0] == '/' || argument[0] == '-';
        info.ParseParam(isFlag ? argument + 1 : argument, isFlag, i == argc - 1);
    }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info)
{
    ParseCommandLine(info, __argc, __argv);
}

std::string CWinApp::LoadString(UINT id)
{
    return LoadResourceString(id);
}

HICON CWinApp::LoadIcon(UINT id)
{
    return ::LoadIconA(ResourceHandle(), MAKEINTRESOURCEA(id));
}

int CWinApp::MessageBox(const char* text, const char* caption, UINT type) const
{
    return ::MessageBoxA(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, text, caption, type);
}
