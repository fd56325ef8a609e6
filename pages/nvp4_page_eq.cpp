#include "pages/nvp4_page_eq.h"

#include "dialogs/dialog_ids.h"
#include "driver/card_mixer.h"
#include "string_ids.h"

const CRuntimeClass CNVP4PageEQ::classCNVP4PageEQ("CNVP4PageEQ", &CCoolPropertyPage::classCCoolPropertyPage);

CNVP4PageEQ::CNVP4PageEQ(CCardMixer* card, CPageHost* host)
    : CCoolPropertyPage(IDD_PAGE_EQ, IDS_PAGE_EQ), m_card(card), m_host(host)
{
}
