#pragma once
// The Misc page: versions, settings files, autostart, global hotkeys and colours.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include <string>

#include "skin/controls/cool_button.h"
#include "pages/card_page.h"
#include "skin/controls/cool_static.h"

class CNVP4PageMisc : public CCardPage {
public:
    static const CRuntimeClass classCNVP4PageMisc;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PageMisc; }

    CNVP4PageMisc(CCardMixer* card, CPageHost* host);

    BOOL OnInitDialog() override;
    void Refresh() override;

    // The About text: the short product name, the program's and the driver's versions.
    static std::string AboutText();

protected:
    void DoDataExchange() override;
    bool OnClicked(UINT id) override;

private:
    void OnShowTaskbarIcon();
    void OnGlobalHotkeys();
    void OnColorSetup();
    void ShowTrayIcon(bool on);

    CCoolButton m_presetsFrame;
    CCoolButton m_load;
    CCoolButton m_save;
    CCoolButton m_switchesFrame;
    CCoolButton m_showTaskbarIcon;
    CCoolButton m_globalHotkeys;
    CCoolButton m_colorSetup;
    CCoolButton m_aboutFrame;
    CCoolStatic m_aboutText;
    CCoolStatic m_icon;
};
