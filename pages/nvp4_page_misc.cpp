#include "pages/nvp4_page_misc.h"

#include "dialogs/dialog_ids.h"
#include "driver/card_mixer.h"
#include "string_ids.h"

const CRuntimeClass CNVP4PageMisc::classCNVP4PageMisc("CNVP4PageMisc", &CCoolPropertyPage::classCCoolPropertyPage);

CNVP4PageMisc::CNVP4PageMisc(CCardMixer* card, CPageHost* host)
    : CCoolPropertyPage(IDD_PAGE_MISC, IDS_PAGE_MISC), m_card(card), m_host(host)
{
}
