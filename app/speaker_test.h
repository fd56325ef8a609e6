#pragma once
// The speaker test: one secondary sound buffer per speaker, each holding the whole
// test sound, played and stopped by speaker; and the panel's handle on the sound
// system's speaker configuration. A member of the main sheet: it owns the sound
// device object and its buffers (while a speaker plays), the device list and the
// test sound; the owner window is lent. User-interface thread only.

#include "app/wave_file.h"
#include "platform/com_interface.h"

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <dsound.h>

#include <memory>
#include <vector>

// A sound device as the sound system lists it; the texts are bounded and terminated.
struct SoundDeviceEntry {
    char description[128];
    char module[128];
    GUID guid; // the null GUID for the system's default device
};

class CSpeakerTest {
public:
    static constexpr int kSpeakerCount = 8;
    // How often a lost buffer is given back its memory before the start fails
    // (10 ms apart).
    static constexpr int kRestoreTries = 30;
    // The longest test sound taken (a test sound lasts seconds).
    static constexpr DWORD kMaxTestSoundBytes = 16u << 20;

    CSpeakerTest();
    ~CSpeakerTest();
    CSpeakerTest(const CSpeakerTest&) = delete;
    CSpeakerTest& operator=(const CSpeakerTest&) = delete;

    // Lists the devices, chooses the one whose description contains deviceName (the
    // last of several; none: the default device) and sets the sound system to six
    // speakers. 0 or the failure.
    HRESULT InitSoundDevice(HWND owner, const char* deviceName);
    // Replaces the test sound; 0 or a failure, which leaves no test sound (also for a
    // sound without data or longer than kMaxTestSoundBytes).
    HRESULT LoadTestSound(const char* fileName);
    // Sets the sound system's speaker configuration, with or without a test sound;
    // stops every test sound first.
    HRESULT ApplySoundSystemSpeakers(DWORD configuration);
    // Plays the test sound on the speaker of the mask: one speaker bit of multichannel
    // wave formats (SPEAKER_FRONT_LEFT ... SPEAKER_FRONT_RIGHT_OF_CENTER). Without a
    // test sound, or for a speaker without a buffer, nothing starts.
    HRESULT StartSpeaker(DWORD mask, BOOL loop);
    // Stops it; the last started speaker that stops lets the sound device go.
    HRESULT StopSpeaker(DWORD mask, BOOL rewind);

    DWORD SpeakerConfiguration() const { return m_speakerConfiguration; }
    int ActiveCount() const { return m_activeCount; }
    int ChannelCount() const { return m_channelCount; }
    const GUID& DeviceChoice() const { return m_deviceChoice; }
    const std::vector<SoundDeviceEntry>& Devices() const { return m_devices; }
    bool HasTestSound() const { return m_testSound != nullptr; }
    bool HasSoundDevice() const { return m_sound.IsHeld(); }

private:
    static BOOL CALLBACK ListDevice(LPGUID guid, LPCSTR description, LPCSTR module, LPVOID context);
    static int SpeakerIndex(DWORD mask);
    static DWORD SpeakerMask(int index);

    HRESULT CreateSoundDevice(IDirectSound** sound) const;
    HRESULT Create();
    HRESULT CreatePrimaryBuffer();
    HRESULT CreatePrimary(DWORD flags);
    HRESULT CreateSecondaryBuffers();
    HRESULT CreateMultichannelBuffers();
    HRESULT CreateThreeDBuffers();
    HRESULT CreateThreeDBuffer(int index, D3DVALUE x, D3DVALUE z);
    HRESULT FillBuffers();
    HRESULT ReadTestSound(std::vector<BYTE>& sound);
    HRESULT Fill(IDirectSoundBuffer* buffer, const std::vector<BYTE>& sound);
    HRESULT RestoreLost(int index);
    HRESULT StopBuffer(int index, BOOL rewind);
    void ReleaseAll();

    DWORD m_speakerConfiguration = 0;
    COwnedInterface<IDirectSound> m_sound;
    COwnedInterface<IDirectSoundBuffer> m_primary;
    COwnedInterface<IDirectSoundBuffer> m_buffers[kSpeakerCount];
    bool m_started[kSpeakerCount] = {};
    int m_activeCount = 0;
    HWND m_owner = nullptr;
    GUID m_deviceChoice = {};
    std::vector<SoundDeviceEntry> m_devices;
    std::unique_ptr<CWaveFile> m_testSound;
    DWORD m_bufferSize = 0;
    int m_channelCount = 0;
    bool m_comInitialised = false;
};
