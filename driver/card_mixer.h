#pragma once
// The card's mixer device extended by the driver channel: opens the card's device
// interface beside the mixer, reads the card's capabilities, loads the driver-side
// settings and names the mixer lines.

#include "driver/driver_channel.h"
#include "mixer/wss_mixer.h"

#include <cstdio>

class CCardMixer : public CWssMixer {
public:
    CCardMixer();
    ~CCardMixer() override;

    // Start-up: the mixer device of that name, the card's device interface, the
    // driver-side settings and the lines' display names. 1 on success, 0 on failure.
    int OpenCard(const char* mixerName);

    DWORD FourChannelCapable() const { return m_fourChannelCapable; }
    DWORD SixChannelCapable() const { return m_sixChannelCapable; }
    HANDLE DeviceHandle() const { return m_channel.Handle(); }

protected:
    CDriverChannel& Channel() { return m_channel; }

private:
    // The start-up loads, in the order OpenCard runs them. The steps that belong
    // to the driver-side features are filled in with those features.
    void PrepareEqualizer();
    void LoadSpeakerAnd3DSettings();
    void ReadCapabilities();
    void LoadEqSettings();
    void LoadWavetableSettings();
    void LoadSpdifSettings();
    void LoadAecSettings();
    void LoadSourcePositionSettings();
    void ReadSpdifInputStatusAtStart();
    void NameMixerLines();
    void ResetMP3Acceleration();
    // Teardown steps, in the order the destructor runs them.
    void SaveSpdifSettings();
    void FreeEqTables();

    CDriverChannel m_channel;
    DWORD m_fourChannelCapable;
    DWORD m_sixChannelCapable;
};
