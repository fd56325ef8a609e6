#include "simcard/sim_direct_sound.h"

#include "simcard/sim_sound_buffer.h"
#include "simcard/sim_sound_format.h"
#include "simcard/sim_sound_system.h"

#include <algorithm>

namespace {

// DirectSound's primary format before anyone sets one: 22.05 kHz, 8-bit, stereo.
std::vector<BYTE> DefaultPrimaryFormat()
{
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = 22050;
    format.wBitsPerSample = 8;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = 44100;
    return StoredFormat(format);
}

constexpr DWORD kLocations = DSBCAPS_LOCHARDWARE | DSBCAPS_LOCSOFTWARE;

} // namespace

SimDirectSound::SimDirectSound(SimSoundSystem& system, size_t device)
    : m_system(&system), m_device(device), m_primaryFormat(DefaultPrimaryFormat()),
      m_listener(*this, &SimDirectSound::CommitDeferred, this)
{
}

SimDirectSound::~SimDirectSound()
{
    if (m_system != nullptr)
        m_system->ObjectGone(this);
}

HRESULT SimDirectSound::SetPrimaryFormat(const WAVEFORMATEX* format)
{
    if (m_level < DSSCL_PRIORITY)
        return DSERR_PRIOLEVELNEEDED;
    const bool multichannel = m_system != nullptr && m_system->Device(m_device).acceptsMultichannel;
    const HRESULT result = CheckPrimaryFormat(format, multichannel);
    if (SUCCEEDED(result))
        m_primaryFormat = StoredFormat(*format);
    return result;
}

DWORD SimDirectSound::SpeakerConfiguration() const
{
    return m_system != nullptr ? m_system->Device(m_device).speakerConfiguration : DSSPEAKER_STEREO;
}

void SimDirectSound::BufferGone(SimSoundBuffer* buffer)
{
    m_buffers.erase(std::remove(m_buffers.begin(), m_buffers.end(), buffer), m_buffers.end());
}

void SimDirectSound::CommitDeferred(void* context)
{
    SimDirectSound* self = static_cast<SimDirectSound*>(context);
    self->m_listener.CommitDeferred();
    for (SimSoundBuffer* buffer : self->m_buffers)
        buffer->CommitDeferred();
}

HRESULT SimDirectSound::QueryInterface(REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    if (iid == kIidUnknown || iid == kIidDirectSound) {
        *object = static_cast<IDirectSound*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG SimDirectSound::AddRef() { return static_cast<ULONG>(++m_references); }

ULONG SimDirectSound::Release()
{
    const LONG left = --m_references;
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT SimDirectSound::CheckDescription(const DSBUFFERDESC& description) const
{
    if (description.dwSize != sizeof(DSBUFFERDESC) && description.dwSize != sizeof(DSBUFFERDESC1))
        return DSERR_INVALIDPARAM;
    if ((description.dwFlags & kLocations) == kLocations)
        return DSERR_INVALIDPARAM;
    const bool threeD = (description.dwFlags & DSBCAPS_CTRL3D) != 0;
    if (description.dwSize == sizeof(DSBUFFERDESC) && !threeD && !(description.guid3DAlgorithm == kNullGuid))
        return DSERR_INVALIDPARAM;
    if (description.dwFlags & DSBCAPS_PRIMARYBUFFER)
        return description.dwBufferBytes == 0 && description.lpwfxFormat == nullptr ? DS_OK : DSERR_INVALIDPARAM;
    if (description.dwBufferBytes < DSBSIZE_MIN || description.dwBufferBytes > DSBSIZE_MAX)
        return DSERR_INVALIDPARAM;
    const HRESULT result = CheckBufferFormat(description.lpwfxFormat, threeD);
    if (FAILED(result))
        return result;
    return description.dwBufferBytes >= description.lpwfxFormat->nBlockAlign ? DS_OK : DSERR_INVALIDPARAM;
}

HRESULT SimDirectSound::CreateSoundBuffer(LPCDSBUFFERDESC description, LPLPDIRECTSOUNDBUFFER buffer, IUnknown* outer)
{
    if (buffer == nullptr || description == nullptr)
        return DSERR_INVALIDPARAM;
    *buffer = nullptr;
    if (outer != nullptr)
        return DSERR_NOAGGREGATION;
    if (m_level == 0)
        return DSERR_PRIOLEVELNEEDED;
    const HRESULT result = CheckDescription(*description);
    if (FAILED(result))
        return result;
    const bool primary = (description->dwFlags & DSBCAPS_PRIMARYBUFFER) != 0;
    SimSoundBuffer* created = new SimSoundBuffer(
        *this, *description, primary ? std::vector<BYTE>() : StoredFormat(*description->lpwfxFormat));
    m_buffers.push_back(created);
    if (m_system != nullptr)
        m_system->BufferCreated();
    *buffer = created;
    return DS_OK;
}

HRESULT SimDirectSound::GetCaps(LPDSCAPS caps)
{
    if (caps == nullptr || caps->dwSize != sizeof(DSCAPS))
        return DSERR_INVALIDPARAM;
    *caps = {};
    caps->dwSize = sizeof(DSCAPS);
    caps->dwFlags = DSCAPS_PRIMARYMONO | DSCAPS_PRIMARYSTEREO | DSCAPS_PRIMARY8BIT | DSCAPS_PRIMARY16BIT
                    | DSCAPS_CONTINUOUSRATE | DSCAPS_SECONDARYMONO | DSCAPS_SECONDARYSTEREO
                    | DSCAPS_SECONDARY8BIT | DSCAPS_SECONDARY16BIT;
    caps->dwMinSecondarySampleRate = DSBFREQUENCY_MIN;
    caps->dwMaxSecondarySampleRate = DSBFREQUENCY_MAX;
    caps->dwPrimaryBuffers = 1;
    return DS_OK;
}

HRESULT SimDirectSound::DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original, LPLPDIRECTSOUNDBUFFER duplicate)
{
    if (duplicate != nullptr)
        *duplicate = nullptr;
    return DSERR_UNSUPPORTED;
}

HRESULT SimDirectSound::SetCooperativeLevel(HWND window, DWORD level)
{
    if (window == nullptr || !IsWindow(window) || level < DSSCL_NORMAL || level > DSSCL_WRITEPRIMARY)
        return DSERR_INVALIDPARAM;
    m_level = level;
    return DS_OK;
}

HRESULT SimDirectSound::Compact() { return m_level >= DSSCL_PRIORITY ? DS_OK : DSERR_PRIOLEVELNEEDED; }

HRESULT SimDirectSound::GetSpeakerConfig(LPDWORD configuration)
{
    if (configuration == nullptr)
        return DSERR_INVALIDPARAM;
    *configuration = SpeakerConfiguration();
    return DS_OK;
}

HRESULT SimDirectSound::SetSpeakerConfig(DWORD configuration)
{
    if (DSSPEAKER_CONFIG(configuration) > DSSPEAKER_5POINT1_SURROUND || configuration > 0x00FFFFFF)
        return DSERR_INVALIDPARAM;
    if (m_system != nullptr)
        m_system->Device(m_device).speakerConfiguration = configuration;
    return DS_OK;
}

HRESULT SimDirectSound::Initialize(LPCGUID device) { return DSERR_ALREADYINITIALIZED; }
