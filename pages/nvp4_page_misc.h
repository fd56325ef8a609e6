#pragma once
// The Misc page: versions, settings files, autostart, global hotkeys and colours.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include "skin/cool_property_page.h"

class CCardMixer;
class CPageHost;

class CNVP4PageMisc : public CCoolPropertyPage {
public:
    static const CRuntimeClass classCNVP4PageMisc;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PageMisc; }

    CNVP4PageMisc(CCardMixer* card, CPageHost* host);

protected:
    CCardMixer* m_card;
    CPageHost* m_host;
};
