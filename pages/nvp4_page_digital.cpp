#include "pages/nvp4_page_digital.h"

#include "dialogs/dialog_ids.h"
#include "driver/card_mixer.h"
#include "string_ids.h"

const CRuntimeClass CNVP4PageDigital::classCNVP4PageDigital("CNVP4PageDigital", &CCoolPropertyPage::classCCoolPropertyPage);

CNVP4PageDigital::CNVP4PageDigital(CCardMixer* card, CPageHost* host)
    : CCoolPropertyPage(IDD_PAGE_DIGITAL, IDS_PAGE_DIGITAL), m_card(card), m_host(host)
{
}
