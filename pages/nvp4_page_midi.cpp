#include "pages/nvp4_page_midi.h"

#include "dialogs/dialog_ids.h"
#include "driver/card_mixer.h"
#include "string_ids.h"

const CRuntimeClass CNVP4PageMidi::classCNVP4PageMidi("CNVP4PageMidi", &CCoolPropertyPage::classCCoolPropertyPage);

CNVP4PageMidi::CNVP4PageMidi(CCardMixer* card, CPageHost* host)
    : CCoolPropertyPage(IDD_PAGE_MIDI, IDS_PAGE_MIDI), m_card(card), m_host(host)
{
}
