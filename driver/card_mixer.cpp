#include "driver/card_mixer.h"

#include "platform/resource_string.h"
#include "platform/system_version.h"
#include "string_ids.h"

#include <cstdio>

namespace {

struct LineName {
    int destination;
    int source; // -1: the destination line itself
    UINT text;
};

const LineName kCommonLineNames[] = {
    {0, -1, IDS_LINE_MASTER}, {0, 1, IDS_LINE_FRONT}, {0, 2, IDS_LINE_REAR}, {0, 0, IDS_LINE_WAVE},
};

const LineName kSixChannelLineNames[] = {
    {0, 10, IDS_LINE_SYNTH}, {0, 9, IDS_LINE_AUX}, {0, 6, IDS_LINE_CD}, {0, 8, IDS_LINE_LINE},
    {0, 7, IDS_LINE_MIC},    {0, 5, IDS_PHONES},   {1, 0, IDS_LINE_MIX},
};

const LineName kFourChannelLineNames[] = {
    {0, 3, IDS_LINE_CD},  {0, 5, IDS_LINE_LINE}, {0, 6, IDS_LINE_AUX},
    {0, 7, IDS_LINE_SYNTH}, {0, 4, IDS_LINE_MIC}, {1, 0, IDS_LINE_MIX},
};

} // namespace

CCardMixer::CCardMixer()
    : m_fourChannelCapable(0)
    , m_sixChannelCapable(0)
{
}

CCardMixer::~CCardMixer()
{
    SaveSpdifSettings();
    m_channel.Close();
    FreeEqTables();
}

int CCardMixer::OpenCard(const char* mixerName)
{
    if (!Open(mixerName, 0, 0))
        return 0;
    m_channel.Attach(OpenCardDevice());
    if (!m_channel.IsOpen())
        return 0;
    PrepareEqualizer();
    LoadSpeakerAnd3DSettings();
    LoadEqSettings();
    LoadWavetableSettings();
    LoadSpdifSettings();
    LoadAecSettings();
    LoadSourcePositionSettings();
    ReadSpdifInputStatusAtStart();
    NameMixerLines();
    ResetMP3Acceleration();
    return 1;
}

void CCardMixer::ReloadDriverSettings()
{
    ReloadSpeakerAnd3DSettings();
    LoadEqSettings();
    IsEqEnabled();
    ReloadWavetableSettings();
    LoadSpdifSettings();
    LoadAecSettings();
    LoadSourcePositionSettings();
}

void CCardMixer::ReadCapabilities()
{
    HardwareInfo info;
    if (!m_channel.ReadHardwareInfo(info)) {
        m_fourChannelCapable = 0;
        m_sixChannelCapable = 0;
        return;
    }
    m_fourChannelCapable = info.fourChannelCapable;
    m_sixChannelCapable = info.sixChannelCapable;
}

void CCardMixer::NameMixerLines()
{
    auto name = [this](const LineName& entry) {
        // The short name is what the pages label their columns with; the long name
        // stays the device's, as the record source selector's items carry it.
        char text[sizeof(MIXERLINEA::szShortName)];
        if (!LoadResourceString(entry.text, text, sizeof(text)))
            return;
        MixerLineEntry* line = nullptr;
        const bool found = entry.source < 0 ? GetDestination(entry.destination, line)
                                            : GetLine(entry.destination, entry.source, line);
        if (found && line != nullptr)
            std::snprintf(line->line.szShortName, sizeof(line->line.szShortName), "%s", text);
    };
    for (const LineName& entry : kCommonLineNames)
        name(entry);
    if (m_sixChannelCapable) {
        for (const LineName& entry : kSixChannelLineNames)
            name(entry);
    } else {
        for (const LineName& entry : kFourChannelLineNames)
            name(entry);
    }
}
