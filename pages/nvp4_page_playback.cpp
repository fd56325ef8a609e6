#include "pages/nvp4_page_playback.h"

#include "dialogs/dialog_ids.h"
#include "driver/card_mixer.h"
#include "string_ids.h"

const CRuntimeClass CNVP4PagePlayback::classCNVP4PagePlayback("CNVP4PagePlayback", &CCoolPropertyPage::classCCoolPropertyPage);

CNVP4PagePlayback::CNVP4PagePlayback(CCardMixer* card, CPageHost* host)
    : CCoolPropertyPage(TemplateFor(card), IDS_PAGE_PLAYBACK), m_card(card), m_host(host)
{
}

UINT CNVP4PagePlayback::TemplateFor(CCardMixer* card)
{
    // Six columns on a six-channel card, nine on the others.
    return card != nullptr && card->SixChannelCapable() ? IDD_PAGE_PLAYBACK_SIX : IDD_PAGE_PLAYBACK;
}
