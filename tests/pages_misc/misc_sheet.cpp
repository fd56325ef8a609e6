#include "misc_sheet.h"

#include "skin/color_editor/cool_color_dialog.h"
#include "support/message_pump.h"
#include "support/modal_script.h"

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
    if (host.hotkeys.IsRegistered())
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

void TakeFlatSet(HWND editor, const char* name)
{
    const HWND combo = GetDlgItem(editor, CCoolColorDialog::kPresetsId);
    SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(CCoolColorDialog::kPresetsId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    SendMessageA(GetDlgItem(editor, CCoolColorDialog::kReflectionsId), BM_CLICK, 0, 0);
    ModalScript::Click(editor, IDOK);
}
