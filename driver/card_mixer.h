#pragma once
// The card's mixer device extended by the driver channel: opens the card's device
// interface beside the mixer, reads the card's capabilities, loads the driver-side
// settings and names the mixer lines.

#include "driver/driver_channel.h"
#include "driver/source_positions.h"
#include "driver/spdif_settings.h"
#include "driver/wavetable_settings.h"
#include "mixer/wss_mixer.h"

#include <cstdio>
#include <string>
#include <vector>

class CCardMixer : public CWssMixer {
public:
    CCardMixer();
    ~CCardMixer() override;

    // Start-up: the mixer device of that name, the card's device interface, the
    // driver-side settings and the lines' display names. 1 on success, 0 on failure.
    int OpenCard(const char* mixerName);

    // The settings file's driver and mixer sections come with the settings file.
    bool LoadSettings(FILE* file) override;
    bool SaveSettings(FILE* file) override;

    DWORD FourChannelCapable() const { return m_fourChannelCapable; }
    DWORD SixChannelCapable() const { return m_sixChannelCapable; }
    HANDLE DeviceHandle() const { return m_channel.Handle(); }

    // S/PDIF
    // Setting the current value again does nothing; a change is routed by the driver
    // first and the value reached is what is kept.
    void SetSpdifInputMode(DWORD mode);
    void SetSpdifOutputSource(DWORD source);
    void SetSpdifCopyPermitted(DWORD permitted);
    void SetSpdifPreemphasis(DWORD on);
    // Refreshes the input status; 1 when the driver answered, else 0 (status cleared).
    int ReadSpdifInputStatus();
    DWORD GetSpdifInputStatus() const { return m_spdif.inputStatus; }
    DWORD GetSpdifInputMode() const { return m_spdif.inputMode; }
    DWORD GetSpdifOutputSource() const { return m_spdif.outputSource; }
    DWORD GetSpdifCopyPermitted() const { return m_spdif.copyPermitted; }
    DWORD GetSpdifPreemphasis() const { return m_spdif.preemphasis; }
    int IsSpdifSourceMainMix() const;
    // The copy setting while the main mix feeds the output, else the incoming copy bit.
    DWORD GetSpdifCopyBit() const;

    // Wavetable synthesizer
    void GetHwVoiceRange(DWORD& minimum, DWORD& maximum) const;
    void GetSwVoiceRange(DWORD& minimum, DWORD& maximum) const;
    // A limit of 0 turns those voices off; others are brought into the range.
    void SetHwVoiceLimit(DWORD voices);
    void SetSwVoiceLimit(DWORD voices);
    // 0 dynamic, 1 DLS; other methods are ignored.
    void SetVoiceAllocation(DWORD method);
    void SetSampleSetResident(DWORD resident);
    // Without a custom set file the default set stays in use.
    void SetUseDefaultSet(DWORD useDefault);
    // 0 (nothing changed) when the path does not fit; it takes effect with the
    // next SetUseDefaultSet.
    int SetCustomSetFile(const char* path);
    bool AreVoiceLimitsInRegistry() const { return m_wavetable.registryKeptLimits; }
    DWORD GetHwVoiceLimit() const { return m_wavetable.hwLimit; }
    DWORD GetSwVoiceLimit() const { return m_wavetable.swLimit; }
    DWORD GetVoiceAllocation() const { return m_wavetable.voiceAllocation; }
    DWORD GetSampleSetResident() const { return m_wavetable.sampleSetResident; }
    DWORD GetUseDefaultSet() const { return m_wavetable.useDefaultSet; }
    const char* GetCustomSetFile() const { return m_wavetable.customSetFile; }

    // Source positioning
    // Tables hold one byte per source; a count other than kSourcePositionCount is
    // refused with 0. A name of none (null or empty) means "CurrentScheme" only.
    int SendSourcePosition(int index, DWORD balance, DWORD fader);
    int LoadSourceScheme(BYTE* balance, BYTE* fader, int count, const char* name);
    int SaveSourceScheme(const BYTE* balance, const BYTE* fader, int count, const char* name);
    int LoadSourceSchemeList(const char* name);
    int DeleteSourceScheme(const char* name);
    int GetSourceSchemeCount() const { return static_cast<int>(m_sourceSchemes.size()); }
    // Null when the index is out of range.
    const char* GetSourceSchemeName(int index) const;
    const char* GetCurrentSourceSchemeName() const { return m_sourceSchemeName.c_str(); }
    int SetSourceSchemeFlags(DWORD flags, const char* name);
    DWORD GetSourceSchemeFlags();
    int IsSourceSchemeUnchanged();

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

    // S/PDIF
    void SendSpdifChannelStatus();
    SpdifSettings m_spdif;
    // Wavetable synthesizer
    bool HasVoiceLimitsInRegistry();
    WavetableSettings m_wavetable;
    // Source positioning
    int RebuildSourceSchemeList();
    std::vector<std::string> m_sourceSchemes;
    std::string m_sourceSchemeName = kDefaultSchemeName;

    CDriverChannel m_channel;
    DWORD m_fourChannelCapable;
    DWORD m_sixChannelCapable;
};
