#pragma once
// The EQ page: the card's equalizer, its presets and its ten bands.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include "skin/cool_property_page.h"

class CCardMixer;
class CPageHost;

class CNVP4PageEQ : public CCoolPropertyPage {
public:
    static const CRuntimeClass classCNVP4PageEQ;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PageEQ; }

    CNVP4PageEQ(CCardMixer* card, CPageHost* host);

protected:
    CCardMixer* m_card;
    CPageHost* m_host;
};
