#include "app/sheet_key_actions.h"

void AddFocusAndPointer(HWND sheet, const MSG& message, SheetKeyContext* context)
{
    // A drag: the capture while a button is held (a hover look may hold it without).
    const bool buttonHeld = (::GetKeyState(VK_LBUTTON) & 0x8000) || (::GetKeyState(VK_RBUTTON) & 0x8000) ||
                            (::GetKeyState(VK_MBUTTON) & 0x8000);
    context->pointerCaptured = ::GetCapture() != nullptr && buttonHeld;
    const HWND focus = ::GetFocus();
    if (focus == nullptr || !::IsChild(sheet, focus))
        return;
    // Asked as the dialog manager asks: an open drop-down list wants Esc and Enter.
    MSG asked = message;
    const LRESULT code = ::SendMessageA(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&asked));
    context->focusWantsKey = (code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) != 0;
    context->focusIsPushButton =
        (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0 && ::IsWindowEnabled(focus) != FALSE;
}

bool CarryOutSheetKey(HWND sheet, const SheetKeyDecision& decision)
{
    switch (decision.outcome) {
    case SheetKeyOutcome::Swallow:
        return true;
    case SheetKeyOutcome::EndDrag:
        // The control holding the pointer ends its drag as it loses the capture.
        ::ReleaseCapture();
        return true;
    case SheetKeyOutcome::CloseSheet:
        // The caption's close button takes this path too: the tray decides once.
        ::SendMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    case SheetKeyOutcome::PressButton:
        ::SendMessageA(::GetFocus(), BM_CLICK, 0, 0);
        return true;
    default:
        return false;
    }
}

bool HandleSheetEscapeAndEnter(HWND sheet, const MSG& message)
{
    if (message.message != WM_KEYDOWN || (message.wParam != VK_ESCAPE && message.wParam != VK_RETURN))
        return false;
    if (message.hwnd != sheet && !::IsChild(sheet, message.hwnd))
        return false;
    SheetKeyContext context;
    AddFocusAndPointer(sheet, message, &context);
    return CarryOutSheetKey(sheet, DecideSheetKey(message.message, message.wParam, CurrentSheetKeyState(), context));
}
