#pragma once
// The 3D Settings page: the speaker configuration, the 3D options, source
// positioning and the speaker test.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include "skin/cool_property_page.h"

class CCardMixer;
class CPageHost;

class CNVP51PageSettings : public CCoolPropertyPage {
public:
    static const CRuntimeClass classCNVP51PageSettings;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP51PageSettings; }

    CNVP51PageSettings(CCardMixer* card, CPageHost* host);

protected:
    CCardMixer* m_card;
    CPageHost* m_host;
};
