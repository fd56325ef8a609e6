#include "platform/wnd.h"

#include <unordered_map>
#include <vector>

#include "platform/win_app.h"

namespace {

std::unordered_map<HWND, CWnd*>& HandleMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// The window creation under way on this thread.
thread_local CWnd* t_pending = nullptr;
thread_local HHOOK t_hook = nullptr;

bool IsImeWindow(HWND window)
{
    char name[16] = "";
    GetClassNameA(window, name, sizeof(name));
    return lstrcmpiA(name, "IME") == 0;
}

HWND SenderOf(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? ::GetDlgItem(parent, static_cast<int>(item->CtlID)) : nullptr;
    }
    default:
        return nullptr;
    }
}

// Style bits removed and added; true when they changed.
bool ModifyWindowLong(HWND window, int index, DWORD remove, DWORD add)
{
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, index));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return false;
    SetWindowLongA(window, index, static_cast<LONG>(changed));
    return true;
}

} // namespace

const CRuntimeClass CWnd::classCWnd("CWnd", &CObject::classCObject);

CWnd::~CWnd()
{
    // Nothing may reach a half-destroyed object: unlink first, then end an owned window.
    const HWND window = m_hWnd;
    const bool owned = m_ownsWindow;
    Unlink();
    if (owned && window && ::IsWindow(window))
        ::DestroyWindow(window);
}

CWnd* CWnd::FromHandle(HWND window)
{
    const auto found = HandleMap().find(window);
    return found == HandleMap().end() ? nullptr : found->second;
}

std::size_t CWnd::LinkedWindowCount()
{
    return HandleMap().size();
}

bool CWnd::RegisterWindowClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background)
{
    WNDCLASSA windowClass = {};
    if (GetClassInfoA(CWinApp::ResourceHandle(), name, &windowClass))
        return true;
    windowClass.style = style;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = CWinApp::ResourceHandle();
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

bool CWnd::Link(HWND window, bool subclass, bool owned)
{
    if (!window)
        return false;
    assert(m_hWnd == nullptr && "the object is linked to a window already");
    assert(FromHandle(window) == nullptr && "the window is linked to another object");
    if (m_hWnd || FromHandle(window))
        return false;
    HandleMap()[window] = this;
    m_hWnd = window;
    m_ownsWindow = owned;
    if (subclass) {
        m_originalProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProcedure)));
        if (!m_originalProc) {
            Unlink();
            return false;
        }
    }
    return true;
}

void CWnd::Unlink()
{
    if (!m_hWnd)
        return;
    if (m_originalProc &&
        GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::WindowProcedure))
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    HandleMap().erase(m_hWnd);
    m_hWnd = nullptr;
    m_originalProc = nullptr;
    m_ownsWindow = false;
}

bool CWnd::Attach(HWND window)
{
    return Link(window, false, false);
}

HWND CWnd::Detach()
{
    const HWND window = m_hWnd;
    Unlink();
    return window;
}

bool CWnd::SubclassWindow(HWND window)
{
    return Link(window, true, false);
}

bool CWnd::SubclassDlgItem(int id, HWND parent)
{
    return SubclassWindow(::GetDlgItem(parent, id));
}

HWND CWnd::UnsubclassWindow()
{
    return Detach();
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* text, DWORD style,
                    const RECT& rect, HWND parent, UINT id)
{
    if (m_hWnd)
        return false;
    HWND window;
    {
        CreationScope scope(this);
        window = CreateWindowExA(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                                 rect.bottom - rect.top, parent,
                                 (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr,
                                 CWinApp::ResourceHandle(), nullptr);
    }
    return window && m_hWnd == window;
}

bool CWnd::Create(const char* className, const char* text, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, className, text, style, rect, parent, id);
}

bool CWnd::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd) != FALSE;
}

bool CWnd::PreTranslateMessage(MSG*)
{
    return false;
}

bool CWnd::ModifyStyle(DWORD remove, DWORD add) const
{
    return ModifyWindowLong(LinkedWindow(), GWL_STYLE, remove, add);
}

bool CWnd::ModifyStyleEx(DWORD remove, DWORD add) const
{
    return ModifyWindowLong(LinkedWindow(), GWL_EXSTYLE, remove, add);
}

std::string CWnd::GetWindowText() const
{
    const int length = GetWindowTextLengthA(m_hWnd);
    if (length <= 0)
        return std::string();
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    return std::string(text.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void CWnd::CenterWindow() const
{
    RECT area;
    HWND over = GetWindow(LinkedWindow(), GW_OWNER);
    if (!over)
        over = ::GetParent(m_hWnd);
    if (over && (GetStyle() & WS_CHILD))
        ::GetClientRect(over, &area);
    else if (over && ::IsWindowVisible(over) && !::IsIconic(over))
        ::GetWindowRect(over, &area);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT own;
    GetWindowRect(&own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(message, wParam, lParam);
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_message, m_wParam, m_lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_originalProc)
        return CallWindowProcA(m_originalProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const HWND sender = SenderOf(m_hWnd, message, wParam, lParam);
    if (!sender || sender == m_hWnd || !IsChild(m_hWnd, sender))
        return false;
    CWnd* child = FromHandle(sender);
    return child && child->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    const UINT savedMessage = m_message;
    const WPARAM savedWParam = m_wParam;
    const LPARAM savedLParam = m_lParam;
    m_message = message;
    m_wParam = wParam;
    m_lParam = lParam;

    LRESULT result = 0;
    if (message == WM_NCDESTROY) {
        result = DefWindowProc(message, wParam, lParam);
        Unlink();
        CWinApp* app = CWinApp::Current();
        if (app && app->m_pMainWnd == this) {
            app->m_pMainWnd = nullptr;
            PostQuitMessage(0);
        }
        m_message = savedMessage;
        m_wParam = savedWParam;
        m_lParam = savedLParam;
        PostNcDestroy();
        return result;
    }
    if (!ReflectToChild(message, wParam, lParam, &result))
        result = WindowProc(message, wParam, lParam);
    m_message = savedMessage;
    m_wParam = savedWParam;
    m_lParam = savedLParam;
    return result;
}

LRESULT CALLBACK CWnd::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* object = FromHandle(window);
    if (!object)
        return ::DefWindowProcA(window, message, wParam, lParam);
    // No exception crosses into the system's code.
    try {
        return object->Dispatch(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pending) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        if (!IsImeWindow(window)) {
            CWnd* object = t_pending;
            t_pending = nullptr;
            object->Link(window, true, true);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

CWnd::CreationScope::CreationScope(CWnd* window) : m_previous(t_pending), m_installedHook(nullptr)
{
    assert(window != nullptr && "a creation hook needs the object the window is for");
    t_pending = window;
    if (!t_hook) {
        t_hook = SetWindowsHookExA(WH_CBT, &CWnd::CreationHook, nullptr, GetCurrentThreadId());
        m_installedHook = t_hook;
    }
}

CWnd::CreationScope::~CreationScope()
{
    t_pending = m_previous;
    if (m_installedHook) {
        UnhookWindowsHookEx(m_installedHook);
        t_hook = nullptr;
    }
}
