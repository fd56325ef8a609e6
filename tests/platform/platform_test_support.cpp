#include "platform_test_support.h"

#include <commctrl.h>

#include "platform/wnd.h"

const char* TestWindowClass()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        return CWnd::RegisterWindowClass("HalvardTestWindow", 0, LoadCursorA(nullptr, IDC_ARROW),
                                         reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    }();
    return registered ? "HalvardTestWindow" : "STATIC";
}
