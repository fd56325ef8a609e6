#include "pages/nvp4_page_record.h"

#include "dialogs/dialog_ids.h"
#include "driver/card_mixer.h"
#include "string_ids.h"

const CRuntimeClass CNVP4PageRecord::classCNVP4PageRecord("CNVP4PageRecord", &CCoolPropertyPage::classCCoolPropertyPage);

CNVP4PageRecord::CNVP4PageRecord(CCardMixer* card, CPageHost* host)
    : CCoolPropertyPage(TemplateFor(card), IDS_PAGE_RECORD), m_card(card), m_host(host)
{
}

UINT CNVP4PageRecord::TemplateFor(CCardMixer* card)
{
    // Five record sources have their own layout; any other count the other one.
    constexpr int kRecordDestination = 1;
    return card != nullptr && card->GetSourceCount(kRecordDestination) == 5 ? IDD_PAGE_RECORD_FIVE
                                                                             : IDD_PAGE_RECORD;
}
