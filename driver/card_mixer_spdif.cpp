// S/PDIF routing and channel status on the card: the input's connection to the
// main mix, the output's source, the copy and pre-emphasis bits and the input status.
#include "driver/card_mixer.h"

#include "driver/driver_numbers.h"

namespace {

bool IsRoutedOutputSource(DWORD source)
{
    return source >= kSpdifOutputMainMix && source <= kSpdifOutputSoftwareDvd;
}

DWORD EndpointOfOutputSource(DWORD source)
{
    switch (source) {
    case kSpdifOutputMainMix:
        return EP_MAIN_MIX;
    case kSpdifOutputInput:
        return EP_SPDIF_IN;
    default:
        return EP_SOFTWARE_DVD;
    }
}

} // namespace

void CCardMixer::LoadSpdifSettings()
{
    m_spdif.inputMode = ReadDriverNumber(kSpdifKey, kSpdifInputModeValue, kSpdifInputOff);
    m_spdif.outputSource = ReadDriverNumber(kSpdifKey, kSpdifOutputSourceValue, kSpdifOutputMainMix);
    m_spdif.copyPermitted = ReadDriverNumber(kSpdifKey, kSpdifCopyPermittedValue, 1);
    m_spdif.loaded = true;
}

void CCardMixer::SaveSpdifSettings()
{
    // Before the settings were loaded there is nothing of the user's to keep, and
    // writing the construction values would overwrite what is stored.
    if (!m_spdif.loaded)
        return;
    WriteDriverNumber(kSpdifKey, kSpdifInputModeValue, m_spdif.inputMode);
    WriteDriverNumber(kSpdifKey, kSpdifOutputSourceValue, m_spdif.outputSource);
    WriteDriverNumber(kSpdifKey, kSpdifCopyPermittedValue, m_spdif.copyPermitted);
}

void CCardMixer::ReadSpdifInputStatusAtStart() { ReadSpdifInputStatus(); }

void CCardMixer::SetSpdifInputMode(DWORD mode)
{
    // Unknown modes would be stored while the input stays off.
    if (mode > kSpdifInputOn)
        mode = kSpdifInputOff;
    if (mode == m_spdif.inputMode)
        return;
    SaveSpdifSettings();
    if (m_spdif.inputMode == kSpdifInputSensing
        && !Succeeded(m_channel.SendCommand(CMD_SPDIF_STOP_SENSING, EP_SPDIF_IN, EP_MAIN_MIX)))
        return;
    if ((m_spdif.inputMode == kSpdifInputSensing || m_spdif.inputMode == kSpdifInputOn)
        && !Succeeded(m_channel.SendCommand(CMD_SPDIF_DISCONNECT, EP_SPDIF_IN, EP_MAIN_MIX)))
        return;
    WriteDriverNumber(kSpdifKey, kSpdifInputModeValue, kSpdifInputOff);
    DWORD status = 0;
    if (mode == kSpdifInputSensing)
        status = m_channel.SendCommand(CMD_SPDIF_CONNECT_SENSING, EP_SPDIF_IN, EP_MAIN_MIX,
                                       kSpdifSensingInterval);
    else if (mode == kSpdifInputOn)
        status = m_channel.SendCommand(CMD_SPDIF_CONNECT, EP_SPDIF_IN, EP_MAIN_MIX);
    if (!Succeeded(status))
        mode = kSpdifInputOff;
    m_spdif.inputMode = mode;
    WriteDriverNumber(kSpdifKey, kSpdifInputModeValue, mode);
}

void CCardMixer::SetSpdifOutputSource(DWORD source)
{
    // Unknown sources would be stored while nothing feeds the output.
    if (source > kSpdifOutputSoftwareDvd)
        source = kSpdifOutputOff;
    if (source == m_spdif.outputSource)
        return;
    if (IsRoutedOutputSource(m_spdif.outputSource)
        && !Succeeded(m_channel.SendCommand(CMD_SPDIF_DISCONNECT,
                                            EndpointOfOutputSource(m_spdif.outputSource),
                                            EP_SPDIF_OUT)))
        return;
    WriteDriverNumber(kSpdifKey, kSpdifOutputSourceValue, kSpdifOutputOff);
    if (IsRoutedOutputSource(source)) {
        DWORD result = 0;
        auto connect = [&](DWORD endpoint) {
            return Succeeded(m_channel.SendCommand(CMD_SPDIF_CONNECT, endpoint, EP_SPDIF_OUT, 0,
                                                   PointerArgument(&result)))
                && result == 0;
        };
        if (!connect(EndpointOfOutputSource(source)))
            source = connect(EP_SOFTWARE_DVD) ? kSpdifOutputSoftwareDvd : kSpdifOutputOff;
    }
    m_spdif.outputSource = source;
    WriteDriverNumber(kSpdifKey, kSpdifOutputSourceValue, source);
}

void CCardMixer::SetSpdifCopyPermitted(DWORD permitted)
{
    permitted = permitted != 0 ? 1 : 0;
    if (permitted == m_spdif.copyPermitted)
        return;
    WriteDriverNumber(kSpdifKey, kSpdifCopyPermittedValue, permitted);
    m_spdif.copyPermitted = permitted;
    SendSpdifChannelStatus();
}

void CCardMixer::SetSpdifPreemphasis(DWORD on)
{
    on = on != 0 ? 1 : 0;
    if (on == m_spdif.preemphasis)
        return;
    WriteDriverNumber(kSpdifKey, kSpdifPreemphasisValue, on, kSpdifOutputSubkey);
    m_spdif.preemphasis = on;
    SendSpdifChannelStatus();
}

void CCardMixer::SendSpdifChannelStatus()
{
    m_channel.SendCommand(CMD_SPDIF_CHANNEL_STATUS, m_spdif.copyPermitted + 1,
                          m_spdif.preemphasis + 1);
}

int CCardMixer::ReadSpdifInputStatus()
{
    m_spdif.inputStatus = 0;
    // The driver writes a second word beside the status; nothing reads it.
    DWORD secondStatus = 0;
    if (!Succeeded(m_channel.SendCommand(CMD_SPDIF_INPUT_STATUS, EP_SPDIF_IN, EP_MAIN_MIX,
                                         PointerArgument(&m_spdif.inputStatus),
                                         PointerArgument(&secondStatus)))) {
        m_spdif.inputStatus = 0;
        return 0;
    }
    return 1;
}

int CCardMixer::IsSpdifSourceMainMix() const
{
    return m_spdif.outputSource == kSpdifOutputMainMix ? 1 : 0;
}

DWORD CCardMixer::GetSpdifCopyBit() const
{
    if (m_spdif.outputSource == kSpdifOutputMainMix)
        return m_spdif.copyPermitted;
    return (m_spdif.inputStatus & kSpdifIncomingCopyBit) != 0 ? 1 : 0;
}
