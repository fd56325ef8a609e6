#pragma once
// The Sources page of a six-channel card: the inputs of the playback mix.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include "skin/cool_property_page.h"

class CCardMixer;
class CPageHost;

class CNVP51PagePlayIn : public CCoolPropertyPage {
public:
    static const CRuntimeClass classCNVP51PagePlayIn;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP51PagePlayIn; }

    CNVP51PagePlayIn(CCardMixer* card, CPageHost* host);

protected:
    CCardMixer* m_card;
    CPageHost* m_host;
};
