#include "app/speaker_test.h"

#include "platform/direct_sound_functions.h"
#include "platform/sound_records.h"

#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <utility>

namespace {

// The buffers' speakers, in the order the buffers are kept and created.
constexpr DWORD kSpeakerMasks[CSpeakerTest::kSpeakerCount] = {
    SPEAKER_FRONT_LEFT,   SPEAKER_FRONT_RIGHT,   SPEAKER_BACK_LEFT,
    SPEAKER_BACK_RIGHT,   SPEAKER_FRONT_CENTER,  SPEAKER_LOW_FREQUENCY,
    SPEAKER_FRONT_LEFT_OF_CENTER, SPEAKER_FRONT_RIGHT_OF_CENTER,
};

// The order in which playing speakers are stopped before everything goes.
constexpr DWORD kReleaseOrder[CSpeakerTest::kSpeakerCount] = {
    SPEAKER_FRONT_LEFT,    SPEAKER_FRONT_RIGHT,  SPEAKER_BACK_LEFT,
    SPEAKER_BACK_RIGHT,    SPEAKER_LOW_FREQUENCY, SPEAKER_FRONT_CENTER,
    SPEAKER_FRONT_LEFT_OF_CENTER, SPEAKER_FRONT_RIGHT_OF_CENTER,
};

// The speaker configuration the panel gives the sound system at start.
constexpr DWORD kSixSpeakers = DSSPEAKER_5POINT1;
// More devices than any machine has; the list stays bounded all the same.
constexpr size_t kMaxDevices = 64;
constexpr DWORD kRestoreWaitMs = 10;

} // namespace

CSpeakerTest::CSpeakerTest() = default;

CSpeakerTest::~CSpeakerTest()
{
    ReleaseAll();
    m_devices.clear();
    m_testSound.reset();
    if (m_comInitialised)
        CoUninitialize();
}

HRESULT CSpeakerTest::InitSoundDevice(HWND owner, const char* deviceName)
{
    if (!m_comInitialised) {
        // Every successful initialisation, also of a thread that had one, is undone once.
        const HRESULT com = CoInitialize(nullptr);
        if (SUCCEEDED(com))
            m_comInitialised = true;
        else if (com != RPC_E_CHANGED_MODE)
            return com;
    }
    m_owner = owner;
    m_devices.clear();
    m_deviceChoice = kNullGuid;
    // An enumeration that fails leaves the list as far as it came: the default device stays.
    DirectSoundApi().enumerate(&CSpeakerTest::ListDevice, this);
    if (deviceName != nullptr && deviceName[0] != '\0') {
        for (const SoundDeviceEntry& device : m_devices) {
            if (std::strstr(device.description, deviceName) != nullptr)
                m_deviceChoice = device.guid;
        }
    }
    IDirectSound* created = nullptr;
    HRESULT result = CreateSoundDevice(&created);
    if (FAILED(result))
        return result;
    COwnedInterface<IDirectSound> sound(created);
    DWORD configuration = 0;
    if (SUCCEEDED(sound->GetSpeakerConfig(&configuration)))
        m_speakerConfiguration = configuration;
    result = sound->SetSpeakerConfig(kSixSpeakers);
    m_channelCount = kSpeakerCount;
    return result;
}

BOOL CALLBACK CSpeakerTest::ListDevice(LPGUID guid, LPCSTR description, LPCSTR module, LPVOID context)
{
    CSpeakerTest* self = static_cast<CSpeakerTest*>(context);
    if (self->m_devices.size() >= kMaxDevices)
        return TRUE;
    SoundDeviceEntry device = {};
    std::snprintf(device.description, sizeof(device.description), "%s", description != nullptr ? description : "");
    std::snprintf(device.module, sizeof(device.module), "%s", module != nullptr ? module : "");
    device.guid = guid != nullptr ? *guid : kNullGuid;
    self->m_devices.push_back(device);
    return TRUE;
}

HRESULT CSpeakerTest::CreateSoundDevice(IDirectSound** sound) const
{
    *sound = nullptr;
    const GUID* device = m_deviceChoice == kNullGuid ? nullptr : &m_deviceChoice;
    const HRESULT result = DirectSoundApi().create(device, sound, nullptr);
    if (FAILED(result))
        *sound = nullptr;
    else if (*sound == nullptr)
        return DSERR_NODRIVER;
    return result;
}

HRESULT CSpeakerTest::LoadTestSound(const char* fileName)
{
    m_testSound.reset();
    auto sound = std::make_unique<CWaveFile>();
    if (!sound->OpenWave(fileName) || sound->DataSize() == 0 || sound->DataSize() > kMaxTestSoundBytes)
        return E_FAIL;
    m_testSound = std::move(sound);
    return S_OK;
}

HRESULT CSpeakerTest::ApplySoundSystemSpeakers(DWORD configuration)
{
    ReleaseAll();
    HRESULT result = Create();
    if (SUCCEEDED(result)) {
        result = m_sound->SetSpeakerConfig(configuration);
        if (SUCCEEDED(result))
            m_speakerConfiguration = configuration;
    }
    ReleaseAll();
    return result;
}

HRESULT CSpeakerTest::StartSpeaker(DWORD mask, BOOL loop)
{
    const int index = SpeakerIndex(mask);
    if (index < 0 || m_testSound == nullptr)
        return E_INVALIDARG;
    HRESULT result = m_activeCount == 0 ? Create() : DS_OK;
    if (SUCCEEDED(result))
        result = m_buffers[index].IsHeld() ? RestoreLost(index) : E_INVALIDARG;
    if (SUCCEEDED(result))
        result = m_buffers[index]->Play(0, 0, loop ? DSBPLAY_LOOPING : 0);
    if (FAILED(result)) {
        // The device stays only while a speaker plays.
        if (m_activeCount == 0)
            ReleaseAll();
        return result;
    }
    if (!m_started[index]) {
        m_started[index] = true;
        ++m_activeCount;
    }
    return result;
}

HRESULT CSpeakerTest::StopSpeaker(DWORD mask, BOOL rewind)
{
    const int index = SpeakerIndex(mask);
    if (index < 0 || !m_buffers[index].IsHeld())
        return E_INVALIDARG;
    // Only a speaker that was started lowers the count: stopping one that never
    // started must not let the device go while others play.
    const bool wasStarted = m_started[index];
    const HRESULT result = StopBuffer(index, rewind);
    if (wasStarted && m_activeCount == 0)
        ReleaseAll();
    return result;
}

HRESULT CSpeakerTest::RestoreLost(int index)
{
    IDirectSoundBuffer* buffer = m_buffers[index].Get();
    DWORD status = 0;
    HRESULT result = buffer->GetStatus(&status);
    if (FAILED(result) || (status & DSBSTATUS_BUFFERLOST) == 0)
        return result;
    // Bounded: a buffer that stays lost fails the start instead of holding the
    // user interface.
    for (int attempt = 1;; ++attempt) {
        result = buffer->Restore();
        if (result != DSERR_BUFFERLOST || attempt == kRestoreTries)
            break;
        Sleep(kRestoreWaitMs);
    }
    if (FAILED(result))
        return result;
    std::vector<BYTE> sound;
    result = ReadTestSound(sound);
    return SUCCEEDED(result) ? Fill(buffer, sound) : result;
}

HRESULT CSpeakerTest::StopBuffer(int index, BOOL rewind)
{
    IDirectSoundBuffer* buffer = m_buffers[index].Get();
    HRESULT result = buffer->Stop();
    if (rewind) {
        const HRESULT rewound = buffer->SetCurrentPosition(0);
        if (SUCCEEDED(result))
            result = rewound;
    }
    if (m_started[index]) {
        m_started[index] = false;
        --m_activeCount;
    }
    return result;
}

void CSpeakerTest::ReleaseAll()
{
    // Stops the speakers directly, never through StopSpeaker, which would come back here.
    for (DWORD mask : kReleaseOrder) {
        const int index = SpeakerIndex(mask);
        if (!m_buffers[index].IsHeld())
            continue;
        DWORD status = 0;
        const bool playing = SUCCEEDED(m_buffers[index]->GetStatus(&status)) && (status & DSBSTATUS_PLAYING) != 0;
        if (m_started[index] || playing)
            StopBuffer(index, TRUE);
    }
    m_activeCount = 0;
    for (COwnedInterface<IDirectSoundBuffer>& buffer : m_buffers)
        buffer.Reset();
    m_primary.Reset();
    m_sound.Reset();
}

int CSpeakerTest::SpeakerIndex(DWORD mask)
{
    for (int index = 0; index < kSpeakerCount; ++index) {
        if (kSpeakerMasks[index] == mask)
            return index;
    }
    return -1;
}

DWORD CSpeakerTest::SpeakerMask(int index) { return kSpeakerMasks[index]; }
