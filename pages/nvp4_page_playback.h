#pragma once
// The Playback page: the volumes, balances and mutes of the playback lines.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include "skin/cool_property_page.h"

class CCardMixer;
class CPageHost;

class CNVP4PagePlayback : public CCoolPropertyPage {
public:
    static const CRuntimeClass classCNVP4PagePlayback;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PagePlayback; }

    CNVP4PagePlayback(CCardMixer* card, CPageHost* host);
    // The dialog template this card gets.
    static UINT TemplateFor(CCardMixer* card);

protected:
    CCardMixer* m_card;
    CPageHost* m_host;
};
