#pragma once
// The card's mixer device extended by the driver channel: opens the card's device
// interface beside the mixer, reads the card's capabilities, loads the driver-side
// settings and names the mixer lines.

#include "driver/driver_channel.h"
#include "driver/eq_tables.h"
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

    DWORD FourChannelCapable() const { return m_fourChannelCapable; }
    DWORD SixChannelCapable() const { return m_sixChannelCapable; }
    HANDLE DeviceHandle() const { return m_channel.Handle(); }

    // Another program changed driver-side settings: reads them again from the
    // registry as start-up does, sending nothing to the driver, which has them.
    void ReloadDriverSettings();

    // Settings files: the driver section, then the mixer section.
    bool LoadSettings(FILE* file) override;
    bool SaveSettings(FILE* file) override;

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
    // Scheme names: 1 to 255 characters, no backslash, not the current scheme's key.
    static bool IsUsableSourceSchemeName(const char* name);

    // Equalizer
    // Loads a preset (name given) or the current set (none). With apply set the
    // preset's tables are read and sent to the driver; without, the current set's
    // tables are read and nothing is sent. 0 for a name that cannot be a preset.
    int LoadEqSet(const char* name, bool apply);
    // Writes the current set and has the driver reload it; 1 when the driver took it.
    int ApplyEqSet();
    // Always 0; an index beyond the band count is ignored.
    int SetEqBandGain(int band, int gain);
    int GetEqBandGain(int band) const;
    int SetEqEnabled(int enabled);
    // Reads the switch from the registry (0 when missing) and keeps it.
    int IsEqEnabled();
    int SetEqPeakMeters(int enabled);
    int GetEqPeakMeters();
    // Fills count levels; 0 without a request when count is not the band count,
    // 0 with the levels cleared when the driver refuses.
    int ReadEqPeakLevels(DWORD* levels, int count);
    int GetEqSetCount() const { return static_cast<int>(m_eqSetNames.size()); }
    const char* GetEqSetName(int index) const;
    // Saves the current tables as a preset (the given name, or the current set
    // name) and makes it the current set. 0 for a name that cannot be a preset.
    int SaveEqSet(const char* name);
    // Deletes a preset (the given name, or the current set name); the last one stays.
    int DeleteEqSet(const char* name);
    // 1 when the current set equals the preset it came from, byte for byte.
    int IsEqSetUnchanged();
    const char* CurrentEqSetName() const { return m_eqSetName.c_str(); }
    DWORD EqBandCount() const { return m_eqBands; }
    // Preset names: 1 to 99 characters, no backslash, not the current set's key.
    static bool IsUsableEqSetName(const char* name);

    // Speakers, 3D and echo cancellation
    // Option bits of ApplySpeakerConfig.
    static constexpr DWORD kUseGivenSpeakerConfig = 1;
    static constexpr DWORD kResetAcceleration = 2;
    // Normalises the configuration word for the card (in and out), has the driver
    // store it and tells the driver. 1 when the driver answered.
    int ApplySpeakerConfig(DWORD options, DWORD& config);
    int SetSpeakerConfig(DWORD config);
    DWORD GetSpeakerConfig() const { return m_speakerConfig; }
    int SetSensaura3D(DWORD enabled);
    int SetReverb(DWORD enabled);
    int SetMP3Acceleration(DWORD enabled);
    // 0 when the driver refused the change; the registry then keeps the old value.
    int SetStereoExpansion(DWORD enabled);
    int SetA3DSplashScreen(DWORD enabled);
    int SetMacroFX(DWORD enabled);
    DWORD GetSensaura3D() const { return m_sensaura3D; }
    DWORD GetReverb() const { return m_reverb; }
    DWORD GetMP3Acceleration() const { return m_mp3Acceleration; }
    DWORD GetStereoExpansion() const { return m_stereoExpansion; }
    DWORD GetA3DSplashScreen() const { return m_a3dSplashScreen; }
    DWORD GetMacroFX() const { return m_macroFX; }
    DWORD ReadAecMode();
    int SaveAecMode();
    // Modes 0 (never), 1 (automatic) and 2 (always); anything else changes nothing.
    int SetAecMode(DWORD mode);
    DWORD GetAecMode() const { return m_aecMode; }

protected:
    CDriverChannel& Channel() { return m_channel; }

private:
    // The start-up loads, in the order OpenCard runs them. The steps that belong
    // to the driver-side features are filled in with those features.
    void PrepareEqualizer();
    void LoadSpeakerAnd3DSettings();
    void Read3DSwitches();
    void ReloadSpeakerAnd3DSettings();
    void ReadCapabilities();
    void LoadEqSettings();
    void LoadWavetableSettings();
    void ReloadWavetableSettings();
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
    // Wavetable synthesizer: the three steps of LoadWavetableSettings.
    bool HasVoiceLimitsInRegistry();
    void LoadSampleSetSettings();
    void LoadHwVoiceSettings();
    void LoadSwVoiceSettings();
    WavetableSettings m_wavetable;
    // Source positioning
    int RebuildSourceSchemeList();
    std::vector<std::string> m_sourceSchemes;
    std::string m_sourceSchemeName = kDefaultSchemeName;

    // Equalizer
    std::string EqRatePath() const;
    // The band key's path below the equalizer key; a band count it has no key
    // for becomes 2.
    std::string EqBandPath();
    std::string EqSetPath(const std::string& setName);
    void RebuildEqSetList();
    bool HasEqSet(const std::string& name) const;
    bool WriteEqBandCount();
    void ReadEqMaximumBands();

    // Speakers, 3D and echo cancellation
    DWORD NormalSpeakerConfig(DWORD config, DWORD& type) const;
    DWORD ReadSpeakerConfigToApply(const std::string& driverKey);

    CDriverChannel m_channel;
    DWORD m_fourChannelCapable;
    DWORD m_sixChannelCapable;

    // Equalizer
    std::string m_eqSetName;
    DWORD m_eqEnabled = 0;
    DWORD m_eqPeakMeters = 0;
    DWORD m_eqMaximumBands = kEqLargeBandCount;
    DWORD m_eqBands = kEqLargeBandCount;
    CEqTables m_eqTables;
    std::vector<std::string> m_eqSetNames;

    // Speakers, 3D and echo cancellation
    DWORD m_speakerConfig = 0;
    DWORD m_sensaura3D = 0;
    DWORD m_reverb = 0;
    DWORD m_mp3Acceleration = 0;
    DWORD m_stereoExpansion = 0;
    DWORD m_a3dSplashScreen = 0;
    DWORD m_macroFX = 0;
    DWORD m_aecMode = 0;
};
