#include "skin/containers/cool_status_route.h"

#include <string>

#include "platform/win_app.h"

namespace {

struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    if (GetDlgCtrlID(window) != search->id)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindDescendant(HWND window, int id)
{
    Search search = {id, nullptr};
    // Enumerates children and their children, in Z order.
    EnumChildWindows(window, &MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

LRESULT RouteStatusText(HWND window, WPARAM id, LPARAM text, UINT* lastId)
{
    if (lastId != nullptr)
        *lastId = static_cast<UINT>(id);
    const HWND bar = FindDescendant(window, kStatusBarId);
    if (bar == nullptr)
        return 0;
    if (text != 0) {
        SetWindowTextA(bar, reinterpret_cast<const char*>(text));
        return 0;
    }
    std::string message = id != 0 ? CWinApp::LoadString(static_cast<UINT>(id)) : std::string();
    const std::size_t newline = message.find('\n');
    if (newline != std::string::npos)
        message.resize(newline);
    SetWindowTextA(bar, message.c_str());
    return 0;
}
