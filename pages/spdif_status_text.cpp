#include "pages/spdif_status_text.h"

#include <cstdio>

#include "driver/spdif_settings.h"
#include "platform/resource_string.h"
#include "string_ids.h"

SpdifStatusTexts SpdifStatusTextsFor(bool read, DWORD status)
{
    const std::string none = LoadResourceString(IDS_SPDIF_STATUS_NONE);
    const std::string active = LoadResourceString(IDS_SPDIF_STATUS_ACTIVE);
    if (!read)
        return {LoadResourceString(IDS_SPDIF_STATUS_ERROR), none, none};
    if ((status & kSpdifSignalPresent) == 0)
        return {LoadResourceString(IDS_SPDIF_STATUS_NO_INPUT), none, none};
    const DWORD hertz = SpdifSampleRate(status);
    // Whole kHz, rounded to the nearest (44100 shows 44, 44600 shows 45).
    const int kiloHertz = static_cast<int>(hertz / 1000.0 + 0.5);
    char rate[32];
    std::snprintf(rate, sizeof(rate), "%ikHz", kiloHertz);
    return {rate, (status & kSpdifIncomingCopyBit) ? active : none,
            (status & kSpdifIncomingPreemphasis) ? active : none};
}
