#pragma once
// The Digital page: the S/PDIF input and output of the card.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include "skin/cool_property_page.h"

class CCardMixer;
class CPageHost;

class CNVP4PageDigital : public CCoolPropertyPage {
public:
    static const CRuntimeClass classCNVP4PageDigital;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PageDigital; }

    CNVP4PageDigital(CCardMixer* card, CPageHost* host);

protected:
    CCardMixer* m_card;
    CPageHost* m_host;
};
