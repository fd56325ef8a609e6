#include "misc_sheet.h"

#include "support/message_pump.h"

MiscSheet::MiscSheet()
{
    sheet.Construct("Misc test");
    sheet.AddPage(&page);
    if (sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU)) {
        sheet.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        sheet.ShowWindow(SW_SHOWNOACTIVATE);
        host.window = sheet.m_hWnd;
    }
    PaintNow();
}

MiscSheet::~MiscSheet()
{
    host.hotkeys.Register(host.window, false);
    if (sheet.m_hWnd)
        sheet.DestroyWindow();
    DrainMessages();
}

void MiscSheet::Click(int id) const
{
    SendMessageA(Item(id), BM_CLICK, 0, 0);
    DrainMessages();
}

void PaintNow()
{
    DrainMessages();
    PumpFor(50);
}

COLORREF ScreenPixelOf(HWND window, int clientX, int clientY)
{
    POINT point = {clientX, clientY};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return color;
}
