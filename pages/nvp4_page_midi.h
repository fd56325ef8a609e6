#pragma once
// The MIDI page: the wavetable synthesizer's voices and sample set.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include "skin/cool_property_page.h"

class CCardMixer;
class CPageHost;

class CNVP4PageMidi : public CCoolPropertyPage {
public:
    static const CRuntimeClass classCNVP4PageMidi;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PageMidi; }

    CNVP4PageMidi(CCardMixer* card, CPageHost* host);

protected:
    CCardMixer* m_card;
    CPageHost* m_host;
};
