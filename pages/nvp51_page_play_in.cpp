#include "pages/nvp51_page_play_in.h"

#include "dialogs/dialog_ids.h"
#include "driver/card_mixer.h"
#include "string_ids.h"

const CRuntimeClass CNVP51PagePlayIn::classCNVP51PagePlayIn("CNVP51PagePlayIn", &CCoolPropertyPage::classCCoolPropertyPage);

CNVP51PagePlayIn::CNVP51PagePlayIn(CCardMixer* card, CPageHost* host)
    : CCoolPropertyPage(IDD_PAGE_SOURCES, IDS_PAGE_SOURCES), m_card(card), m_host(host)
{
}
