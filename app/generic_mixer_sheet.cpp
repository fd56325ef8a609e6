#include "app/generic_mixer_sheet.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/sheet_key_actions.h"
#include "mixer/controls/mixer_property_sheet.h"
#include "mixer/wss_mixer.h"
#include "platform/command_line_info.h"
#include "platform/win_app.h"
#include "string_ids.h"

namespace {

constexpr DWORD kSheetStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

class GenericOption : public CCommandLineInfo {
public:
    void ParseParam(const char* param, bool isFlag, bool isLast) override
    {
        if (isFlag && param != nullptr && std::string(param) == "generic")
            requested = true;
        CCommandLineInfo::ParseParam(param, isFlag, isLast);
    }

    bool requested = false;
};

} // namespace

bool IsGenericMixerSheetRequested()
{
    GenericOption option;
    CWinApp::ParseCommandLine(option);
    return option.requested;
}

int RunGenericMixerSheet()
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    CWssMixer mixer;
    if (!mixer.Open(CWinApp::LoadString(IDS_PRODUCT_NAME).c_str(), 0, 0)) {
        MessageBoxA(nullptr, "Unable to create Mixer! Please check driver & Hardware.", "Error",
                    MB_OK | MB_ICONWARNING);
        return 1;
    }
    CMixerPropertySheet sheet(CWinApp::LoadString(IDS_SHORT_NAME).c_str(), &mixer);
    if (!sheet.Create(nullptr, kSheetStyle))
        return 1;
    sheet.ShowWindow(SW_SHOW);
    MSG message;
    while (sheet.m_hWnd != nullptr && GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Esc and Enter never end the sheet; the caption's close button does.
        if (!HandleSheetEscapeAndEnter(sheet.m_hWnd, message) && !sheet.PreTranslateMessage(&message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        // A modeless sheet the user closed has no current page left: it is done.
        if (sheet.m_hWnd != nullptr && sheet.SendMessage(PSM_GETCURRENTPAGEHWND) == 0)
            sheet.DestroyWindow();
    }
    return 0;
}
