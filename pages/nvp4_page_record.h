#pragma once
// The Record page: the recording source and levels, the microphone boost and
// the echo cancellation mode.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include "skin/cool_property_page.h"

class CCardMixer;
class CPageHost;

class CNVP4PageRecord : public CCoolPropertyPage {
public:
    static const CRuntimeClass classCNVP4PageRecord;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PageRecord; }

    CNVP4PageRecord(CCardMixer* card, CPageHost* host);
    // The dialog template this card gets.
    static UINT TemplateFor(CCardMixer* card);

protected:
    CCardMixer* m_card;
    CPageHost* m_host;
};
