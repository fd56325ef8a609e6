#include "pages/nvp4_page_misc.h"

#include <cstdio>
#include <vector>

#include "dialogs/dialog_ids.h"
#include "dialogs/misc_ids.h"
#include "driver/card_mixer.h"
#include "pages/autostart_switch.h"
#include "pages/page_host.h"
#include "pages/version_texts.h"
#include "panel_ids.h"
#include "platform/panel_values.h"
#include "platform/win_app.h"
#include "skin/color_editor/cool_color_dialog.h"
#include "skin/scheme/cool_color_set.h"
#include "skin/containers/cool_property_sheet.h"
#include "string_ids.h"

const CRuntimeClass CNVP4PageMisc::classCNVP4PageMisc("CNVP4PageMisc", &CCardPage::classCCardPage);

namespace {

constexpr ItemText kTexts[] = {
    {IDC_MISC_PRESETS_FRAME, IDS_MISC_PRESETS_FRAME},   {IDC_MISC_LOAD, IDS_MISC_LOAD},
    {IDC_MISC_SAVE, IDS_MISC_SAVE},                     {IDC_MISC_SHOW_TASKBAR_ICON, IDS_MISC_SHOW_TASKBAR_ICON},
    {IDC_MISC_GLOBAL_HOTKEYS, IDS_MISC_GLOBAL_HOTKEYS}, {IDC_MISC_COLOR_SETUP, IDS_MISC_COLOR_SETUP},
    {IDC_MISC_ABOUT_FRAME, IDS_MISC_ABOUT_FRAME},
};

} // namespace

CNVP4PageMisc::CNVP4PageMisc(CCardMixer* card, CPageHost* host)
    : CCardPage(IDD_PAGE_MISC, IDS_PAGE_MISC, card, host, kTexts)
{
}

void CNVP4PageMisc::DoDataExchange()
{
    AttachItem(IDC_MISC_PRESETS_FRAME, m_presetsFrame);
    AttachItem(IDC_MISC_LOAD, m_load);
    AttachItem(IDC_MISC_SAVE, m_save);
    AttachItem(IDC_MISC_SWITCHES_FRAME, m_switchesFrame);
    AttachItem(IDC_MISC_SHOW_TASKBAR_ICON, m_showTaskbarIcon);
    AttachItem(IDC_MISC_GLOBAL_HOTKEYS, m_globalHotkeys);
    AttachItem(IDC_MISC_COLOR_SETUP, m_colorSetup);
    AttachItem(IDC_MISC_ABOUT_FRAME, m_aboutFrame);
    AttachItem(IDC_MISC_ABOUT_TEXT, m_aboutText);
    AttachItem(IDC_MISC_ICON, m_icon);
}

BOOL CNVP4PageMisc::OnInitDialog()
{
    CCardPage::OnInitDialog();
    m_aboutText.SetWindowText(AboutText().c_str());
    Refresh();
    SpreadScheme();
    return TRUE;
}

std::string CNVP4PageMisc::AboutText()
{
    const std::string shortName = CWinApp::LoadString(IDS_SHORT_NAME);
    const std::string format = CWinApp::LoadString(IDS_ABOUT_FORMAT);
    const std::string program = ProgramVersionText();
    const std::string driver = DriverVersionText();
    // The format holds exactly three "%s" (the string tables are checked for it).
    std::vector<char> text(format.size() + shortName.size() + program.size() + driver.size() + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), shortName.c_str(), program.c_str(), driver.c_str());
    return text.data();
}

void CNVP4PageMisc::Refresh()
{
    if (m_hWnd == nullptr)
        return;
    const std::string product = CWinApp::LoadString(IDS_PRODUCT_NAME);
    m_showTaskbarIcon.SetCheck(IsAutostartOn(product.c_str()) ? BST_CHECKED : BST_UNCHECKED);
    m_globalHotkeys.SetCheck(ReadGlobalHotKeysSwitch() ? BST_CHECKED : BST_UNCHECKED);
}

bool CNVP4PageMisc::OnClicked(UINT id)
{
    switch (id) {
    case IDC_MISC_LOAD:
        if (m_host != nullptr)
            m_host->LoadSettingsFile();
        return true;
    case IDC_MISC_SAVE:
        if (m_host != nullptr)
            m_host->SaveSettingsFile();
        return true;
    case IDC_MISC_SHOW_TASKBAR_ICON:
        OnShowTaskbarIcon();
        return true;
    case IDC_MISC_GLOBAL_HOTKEYS:
        OnGlobalHotkeys();
        return true;
    case IDC_MISC_COLOR_SETUP:
        OnColorSetup();
        return true;
    default:
        return false;
    }
}

void CNVP4PageMisc::OnShowTaskbarIcon()
{
    const bool wanted = m_showTaskbarIcon.GetCheck() == BST_CHECKED;
    const std::string product = CWinApp::LoadString(IDS_PRODUCT_NAME);
    if (!wanted)
        ShowTrayIcon(false);
    // When the Run value cannot be changed, the box and the icon show what is stored.
    const bool stored = SwitchAutostart(wanted, product.c_str());
    m_showTaskbarIcon.SetCheck(stored ? BST_CHECKED : BST_UNCHECKED);
    ShowTrayIcon(stored);
}

void CNVP4PageMisc::ShowTrayIcon(bool on)
{
    CCoolPropertySheet* sheet = GetCoolSheet();
    if (sheet == nullptr)
        return;
    if (!on) {
        sheet->RemoveTrayIcon();
        return;
    }
    if (!sheet->IsTrayIconPresent())
        sheet->SetTrayIcon(CWinApp::LoadIcon(IDI_PANEL), IDM_TRAY);
}

void CNVP4PageMisc::OnGlobalHotkeys()
{
    const bool on = m_globalHotkeys.GetCheck() == BST_CHECKED;
    if (m_host != nullptr)
        m_host->RegisterHotkeys(on);
    // Stored even when some hotkeys could not be registered.
    WriteGlobalHotKeysSwitch(on);
}

void CNVP4PageMisc::OnColorSetup()
{
    CCoolPropertySheet* sheet = GetCoolSheet();
    if (sheet == nullptr || sheet->m_hWnd == nullptr)
        return;
    CCoolColorDialog editor(sheet->m_hWnd);
    if (editor.DoModal() != IDOK)
        return;
    COOLCOLORSET chosen = {};
    editor.GetResult(&chosen);
    WritePanelColorSet(chosen);
    ApplyColorSet(*sheet, chosen);
    sheet->SpreadScheme();
    sheet->Invalidate(true);
    ::RedrawWindow(sheet->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    Invalidate(true);
}
