#pragma once
// The window wrapper: one object per window, found from its handle. A window the
// object created is owned (destroyed with the object); a window it attached to or
// subclassed is borrowed (the object only lets go of it).

#include <windows.h>

#include <cassert>
#include <cstddef>
#include <string>

#include "platform/runtime_class.h"

class CWnd : public CObject {
public:
    static const CRuntimeClass classCWnd;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCWnd; }

    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object linked to a window, or null.
    static CWnd* FromHandle(HWND window);
    // Number of windows linked to objects (the handle map's size).
    static std::size_t LinkedWindowCount();
    // A window class whose messages reach the object of each window created with it.
    static bool RegisterWindowClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background);

    // Link without taking over the window procedure (calls only, no messages).
    bool Attach(HWND window);
    HWND Detach();
    // Link and route the window's messages through WindowProc; undo with UnsubclassWindow.
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(int id, HWND parent);
    HWND UnsubclassWindow();

    bool CreateEx(DWORD exStyle, const char* className, const char* text, DWORD style,
                  const RECT& rect, HWND parent, UINT id);
    bool Create(const char* className, const char* text, DWORD style, const RECT& rect, HWND parent, UINT id);
    bool DestroyWindow();

    // Sees messages of this window and its children before they are dispatched.
    virtual bool PreTranslateMessage(MSG* message);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    CWnd* GetParentWnd() const { return FromHandle(::GetParent(m_hWnd)); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(LinkedWindow(), message, wParam, lParam);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(LinkedWindow(), message, wParam, lParam) != FALSE;
    }
    bool ShowWindow(int command) const { return ::ShowWindow(LinkedWindow(), command) != FALSE; }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    bool EnableWindow(bool enable) const { return ::EnableWindow(LinkedWindow(), enable) != FALSE; }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    bool MoveWindow(const RECT& rect, bool repaint = true) const
    {
        return ::MoveWindow(LinkedWindow(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint) != FALSE;
    }
    bool SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) const
    {
        return ::SetWindowPos(LinkedWindow(), after, x, y, cx, cy, flags) != FALSE;
    }
    void GetClientRect(RECT* rect) const { ::GetClientRect(LinkedWindow(), rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(LinkedWindow(), rect); }
    void ClientToScreen(POINT* point) const { ::ClientToScreen(LinkedWindow(), point); }
    void ClientToScreen(RECT* rect) const { ::MapWindowPoints(LinkedWindow(), nullptr, reinterpret_cast<POINT*>(rect), 2); }
    void ScreenToClient(POINT* point) const { ::ScreenToClient(LinkedWindow(), point); }
    void ScreenToClient(RECT* rect) const { ::MapWindowPoints(nullptr, LinkedWindow(), reinterpret_cast<POINT*>(rect), 2); }
    void Invalidate(bool erase = true) const { ::InvalidateRect(LinkedWindow(), nullptr, erase); }
    void InvalidateRect(const RECT* rect, bool erase = true) const { ::InvalidateRect(LinkedWindow(), rect, erase); }
    void UpdateWindow() const { ::UpdateWindow(LinkedWindow()); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }
    bool ModifyStyle(DWORD remove, DWORD add) const;
    bool ModifyStyleEx(DWORD remove, DWORD add) const;
    bool SetWindowText(const char* text) const { return ::SetWindowTextA(LinkedWindow(), text) != FALSE; }
    std::string GetWindowText() const;
    void SetFont(HFONT font, bool redraw = true) const { SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) const { return ::SetTimer(LinkedWindow(), id, milliseconds, nullptr); }
    bool KillTimer(UINT_PTR id) const { return ::KillTimer(LinkedWindow(), id) != FALSE; }
    HICON SetIcon(HICON icon, bool big) const
    {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
    }
    void SetRedraw(bool redraw) const { SendMessage(WM_SETREDRAW, redraw); }
    HWND SetFocus() const { return ::SetFocus(LinkedWindow()); }
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK) const
    {
        return ::MessageBoxA(m_hWnd, text, caption, type);
    }
    // Centres over the owner (or parent), else over the work area.
    void CenterWindow() const;

    HWND m_hWnd = nullptr;

    // Marks the next window created on this thread as the given object's. Every
    // creation that makes an object's window goes through one.
    class CreationScope {
    public:
        explicit CreationScope(CWnd* window);
        ~CreationScope();
        CreationScope(const CreationScope&) = delete;
        CreationScope& operator=(const CreationScope&) = delete;

    private:
        CWnd* m_previous;
        HHOOK m_installedHook;
    };

protected:
    // The window a wrapper acts on: a wrapper used without a window is wrong code.
    HWND LinkedWindow() const
    {
        assert(m_hWnd != nullptr && "a window wrapper used without a window");
        return m_hWnd;
    }

    // The window's messages; the default passes them to the original procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification this child sent to its parent, offered to the child first.
    // Return true to keep the parent from seeing it; result is then the answer.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Called after the window is gone and unlinked; the object may delete itself.
    virtual void PostNcDestroy() {}

    // The message being handled, passed to the original procedure.
    LRESULT Default();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Handles one message as the window procedure does (reflection, then WindowProc).
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    // Links a window and routes its messages here; owned windows go with the object.
    bool Link(HWND window, bool subclass, bool owned);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void Unlink();

    WNDPROC m_originalProc = nullptr;
    bool m_ownsWindow = false;
    UINT m_message = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;
};
