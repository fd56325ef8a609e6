#include "skin_test_windows.h"

#include "skin/controls/cool_control_messages.h"
#include "skin/scheme/cool_messages.h"

const char* SkinTestWindowClass()
{
    static const bool registered = CWnd::RegisterWindowClass(
        "HalvardSkinTestWindow", 0, LoadCursorA(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return registered ? "HalvardSkinTestWindow" : nullptr;
}

StatusHost::StatusHost(int width, int height, bool activate)
{
    CreateEx(0, SkinTestWindowClass(), "Host", WS_POPUP | WS_CLIPCHILDREN, {0, 0, width, height}, nullptr, 0);
    ShowWindow(activate ? SW_SHOW : SW_SHOWNOACTIVATE);
}

StatusHost::~StatusHost() { DestroyWindow(); }

LRESULT StatusHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETMESSAGESTRING:
        if (lParam != 0)
            statusLog.push_back(std::string("text ") + reinterpret_cast<const char*>(lParam));
        else if (wParam != 0)
            statusLog.push_back("id " + std::to_string(wParam));
        else
            statusLog.push_back("clear");
        return 0;
    case WM_COOL_GETBKBITMAP:
        if (background == nullptr || lParam == 0)
            return 0;
        *reinterpret_cast<HBITMAP*>(lParam) = background;
        return 1;
    case WM_COOL_GETBKRECT: {
        if (background == nullptr || lParam == 0)
            return 0;
        auto* rect = reinterpret_cast<RECT*>(lParam);
        GetClientRect(rect);
        ClientToScreen(rect);
        return 1;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

SchemeChild::SchemeChild(HWND parent, const RECT& rect)
{
    CreateEx(0, SkinTestWindowClass(), "", WS_CHILD | WS_VISIBLE, rect, parent, 0);
}

LRESULT SchemeChild::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    messages.push_back(message);
    LRESULT result = 0;
    if (HandleSchemeMessage(*this, message, wParam, lParam, &result))
        return result;
    return CWnd::WindowProc(message, wParam, lParam);
}

void HoverAt(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void CursorAway()
{
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}
