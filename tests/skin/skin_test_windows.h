#pragma once
// Windows the skinned controls' tests put them in: a top-level host that records
// the status texts it is sent, and a plain skinned window that records the scheme
// it is given.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/wnd.h"
#include "skin/scheme/cool_scheme.h"

// A visible top-level window at the screen's top left; status texts sent to it are
// logged as "clear", "id <n>" or "text <t>". It is shown without activation unless
// asked (under Wine without a window manager, ending an active top-level window
// waits two seconds for the X server).
class StatusHost : public CWnd {
public:
    explicit StatusHost(int width = 400, int height = 300, bool activate = false);
    ~StatusHost() override;

    std::vector<std::string> statusLog;
    // What the host answers to WM_COOL_GETBKBITMAP / GETBKRECT (none by default).
    HBITMAP background = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A skinned child that answers the scheme messages and logs its scheme changes.
class SchemeChild : public CWnd, public CCoolScheme {
public:
    SchemeChild(HWND parent, const RECT& rect);
    void OnSchemeChanged() override { ++changes; }
    int changes = 0;
    std::vector<UINT> messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Registered class of plain test windows.
const char* SkinTestWindowClass();

// Moves the cursor to a point of the window's client area and sends it the
// matching WM_MOUSEMOVE, as the system would.
void HoverAt(HWND window, int x, int y);
// Moves the cursor to the screen's far corner (outside every test window).
void CursorAway();
