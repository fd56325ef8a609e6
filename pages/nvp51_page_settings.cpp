#include "pages/nvp51_page_settings.h"

#include "dialogs/dialog_ids.h"
#include "driver/card_mixer.h"
#include "string_ids.h"

const CRuntimeClass CNVP51PageSettings::classCNVP51PageSettings("CNVP51PageSettings", &CCoolPropertyPage::classCCoolPropertyPage);

CNVP51PageSettings::CNVP51PageSettings(CCardMixer* card, CPageHost* host)
    : CCoolPropertyPage(IDD_PAGE_3D_SETTINGS, IDS_PAGE_3D_SETTINGS), m_card(card), m_host(host)
{
}
