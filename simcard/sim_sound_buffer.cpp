#include "simcard/sim_sound_buffer.h"

#include "simcard/sim_direct_sound.h"
#include "simcard/sim_sound_format.h"
#include "simcard/sim_sound_system.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kSpeakers = 8;
constexpr BYTE kLostMemory = 0x55; // what a restored buffer holds until it is filled again

// Where the speakers of a configuration stand, as angles from straight ahead
// (negative: left). Speaker numbers are the bits of multichannel channel masks.
struct Place {
    int speaker;
    float azimuth;
};

std::vector<Place> Layout(DWORD configuration)
{
    switch (DSSPEAKER_CONFIG(configuration)) {
    case DSSPEAKER_MONO:
        return {{2, 0.0f}};
    case DSSPEAKER_QUAD:
        return {{0, -45.0f}, {1, 45.0f}, {4, -135.0f}, {5, 135.0f}};
    case DSSPEAKER_SURROUND:
    case DSSPEAKER_5POINT1:
    case DSSPEAKER_7POINT1_SURROUND:
    case DSSPEAKER_5POINT1_SURROUND:
        return {{0, -30.0f}, {1, 30.0f}, {2, 0.0f}, {4, -110.0f}, {5, 110.0f}};
    case DSSPEAKER_7POINT1:
        return {{0, -30.0f}, {1, 30.0f}, {2, 0.0f}, {4, -110.0f}, {5, 110.0f}, {6, -15.0f}, {7, 15.0f}};
    default: // headphones, stereo, direct out
        return {{0, -30.0f}, {1, 30.0f}};
    }
}

int NearestSpeaker(DWORD configuration, float azimuth)
{
    int nearest = 0;
    float best = 1000.0f;
    for (const Place& place : Layout(configuration)) {
        float apart = std::fabs(place.azimuth - azimuth);
        apart = std::min(apart, 360.0f - apart);
        if (apart < best) {
            best = apart;
            nearest = place.speaker;
        }
    }
    return nearest;
}

float Dot(const D3DVECTOR& a, const D3DVECTOR& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

float Length(const D3DVECTOR& a) { return std::sqrt(Dot(a, a)); }

// The listener's right hand in DirectSound's left-handed space: top x front.
D3DVECTOR RightOf(const D3DVECTOR& top, const D3DVECTOR& front)
{
    D3DVECTOR right;
    right.x = top.y * front.z - top.z * front.y;
    right.y = top.z * front.x - top.x * front.z;
    right.z = top.x * front.y - top.y * front.x;
    return right;
}

float Attenuation(LONG hundredthsOfDecibel)
{
    return std::pow(10.0f, static_cast<float>(hundredthsOfDecibel) / 2000.0f);
}

} // namespace

SimSoundBuffer::SimSoundBuffer(SimDirectSound& device, const DSBUFFERDESC& description, std::vector<BYTE> format)
    : m_device(device), m_flags(description.dwFlags), m_format(std::move(format)),
      m_memory(IsPrimary() ? 0 : description.dwBufferBytes, 0), m_threeD(*this)
{
    m_device.AddRef();
}

SimSoundBuffer::~SimSoundBuffer()
{
    m_device.BufferGone(this);
    m_device.Release();
}

const WAVEFORMATEX& SimSoundBuffer::Format() const
{
    const std::vector<BYTE>& stored = IsPrimary() ? m_device.PrimaryFormat() : m_format;
    return *reinterpret_cast<const WAVEFORMATEX*>(stored.data());
}

DWORD SimSoundBuffer::Frames() const
{
    const WORD align = Format().nBlockAlign;
    return IsPrimary() || align == 0 ? 0 : Bytes() / align;
}

DWORD SimSoundBuffer::Rate() const { return m_frequency != 0 ? m_frequency : Format().nSamplesPerSec; }

DWORD SimSoundBuffer::PlayPosition() const
{
    return IsPrimary() ? 0 : static_cast<DWORD>(m_position >> 32) * Format().nBlockAlign;
}

void SimSoundBuffer::Routing(float routes[kSpeakers][kSpeakers]) const
{
    std::fill(&routes[0][0], &routes[0][0] + kSpeakers * kSpeakers, 0.0f);
    if (HasThreeD() && m_threeD.Applied().dwMode != DS3DMODE_DISABLE) {
        RouteThreeD(routes);
        return;
    }
    const WAVEFORMATEX& format = Format();
    if (format.wFormatTag == WAVE_FORMAT_EXTENSIBLE) {
        // Channel n sounds on the speaker of the n-th bit of the mask.
        const DWORD mask = ChannelMaskOf(m_format);
        int channel = 0;
        for (int speaker = 0; speaker < 32 && channel < format.nChannels && channel < kSpeakers; ++speaker) {
            if ((mask & (1u << speaker)) == 0)
                continue;
            if (speaker < kSpeakers)
                routes[channel][speaker] = 1.0f;
            ++channel;
        }
        return;
    }
    if (format.nChannels == 2) {
        routes[0][0] = 1.0f;
        routes[1][1] = 1.0f;
        return;
    }
    routes[0][0] = m_pan > 0 ? Attenuation(-m_pan) : 1.0f;
    routes[0][1] = m_pan < 0 ? Attenuation(m_pan) : 1.0f;
}

// A 3D buffer sounds on the speaker nearest its direction from the listener, softer
// with distance beyond the minimum distance (no further beyond the maximum).
void SimSoundBuffer::RouteThreeD(float routes[kSpeakers][kSpeakers]) const
{
    const DS3DBUFFER& source = m_threeD.Applied();
    const DS3DLISTENER& listener = m_device.Listener();
    D3DVECTOR relative = source.vPosition;
    if (source.dwMode != DS3DMODE_HEADRELATIVE) {
        relative.x -= listener.vPosition.x;
        relative.y -= listener.vPosition.y;
        relative.z -= listener.vPosition.z;
    }
    const D3DVECTOR right = RightOf(listener.vOrientTop, listener.vOrientFront);
    const float azimuth = static_cast<float>(std::atan2(Dot(relative, right), Dot(relative, listener.vOrientFront))
                                             * 180.0 / 3.14159265358979);
    const float distance = Length(relative);
    const float minimum = source.flMinDistance;
    const float clamped = std::min(distance, source.flMaxDistance);
    float gain = clamped <= minimum ? 1.0f : minimum / (minimum + listener.flRolloffFactor * (clamped - minimum));
    // Muting at the maximum distance is a software mixing saving; hardware buffers ignore it.
    const bool software = (m_flags & DSBCAPS_LOCSOFTWARE) != 0;
    if (software && (m_flags & DSBCAPS_MUTE3DATMAXDISTANCE) != 0 && distance >= source.flMaxDistance)
        gain = 0.0f;
    routes[0][NearestSpeaker(m_device.SpeakerConfiguration(), azimuth)] = gain;
}

DWORD SimSoundBuffer::Speakers() const
{
    if (IsPrimary())
        return 0;
    float routes[kSpeakers][kSpeakers];
    Routing(routes);
    DWORD speakers = 0;
    for (int channel = 0; channel < kSpeakers; ++channel) {
        for (int speaker = 0; speaker < kSpeakers; ++speaker) {
            if (routes[channel][speaker] > 0.0f)
                speakers |= 1u << speaker;
        }
    }
    return speakers;
}

void SimSoundBuffer::Lose(int restoredAtTry)
{
    m_lost = true;
    m_playing = false;
    m_restoredAtTry = restoredAtTry;
    m_restoreTries = 0;
    std::fill(m_memory.begin(), m_memory.end(), kLostMemory);
}

void SimSoundBuffer::MixInto(std::vector<int32_t>& mixed, DWORD frames, DWORD outputRate)
{
    const DWORD total = Frames();
    if (!m_playing || m_lost || total == 0 || outputRate == 0)
        return;
    float routes[kSpeakers][kSpeakers];
    Routing(routes);
    const float volume = Attenuation(m_volume);
    const WAVEFORMATEX& format = Format();
    const int channels = std::min<int>(format.nChannels, kSpeakers);
    const WORD sampleBytes = format.wBitsPerSample / 8;
    const uint64_t step = (static_cast<uint64_t>(Rate()) << 32) / outputRate;
    const uint64_t end = static_cast<uint64_t>(total) << 32;
    for (DWORD frame = 0; frame < frames && m_playing; ++frame) {
        const BYTE* at = m_memory.data() + static_cast<size_t>(m_position >> 32) * format.nBlockAlign;
        for (int channel = 0; channel < channels; ++channel) {
            const float sample = static_cast<float>(SampleAt(at + channel * sampleBytes, format.wBitsPerSample));
            for (int speaker = 0; speaker < kSpeakers; ++speaker) {
                if (routes[channel][speaker] != 0.0f)
                    mixed[static_cast<size_t>(frame) * kSpeakers + speaker] +=
                        static_cast<int32_t>(std::lround(sample * routes[channel][speaker] * volume));
            }
        }
        m_position += step;
        if (m_position >= end) {
            if (m_looping) {
                m_position %= end;
            } else {
                m_playing = false;
                m_position = 0;
            }
        }
    }
}

HRESULT SimSoundBuffer::QueryInterface(REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (iid == kIidUnknown || iid == kIidDirectSoundBuffer)
        *object = static_cast<IDirectSoundBuffer*>(this);
    else if (iid == kIidDirectSound3DBuffer && HasThreeD())
        *object = static_cast<IDirectSound3DBuffer*>(&m_threeD);
    else if (iid == kIidDirectSound3DListener && IsPrimary() && (m_flags & DSBCAPS_CTRL3D) != 0)
        *object = m_device.ListenerInterface();
    if (*object == nullptr)
        return E_NOINTERFACE;
    static_cast<IUnknown*>(*object)->AddRef();
    return S_OK;
}

ULONG SimSoundBuffer::AddRef() { return static_cast<ULONG>(++m_references); }

ULONG SimSoundBuffer::Release()
{
    const LONG left = --m_references;
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT SimSoundBuffer::GetCaps(LPDSBCAPS caps)
{
    if (caps == nullptr || caps->dwSize != sizeof(DSBCAPS))
        return DSERR_INVALIDPARAM;
    DWORD status = 0;
    GetStatus(&status);
    caps->dwFlags = m_flags | ((status & DSBSTATUS_LOCHARDWARE) ? DSBCAPS_LOCHARDWARE : DSBCAPS_LOCSOFTWARE);
    caps->dwBufferBytes = Bytes();
    caps->dwUnlockTransferRate = 0;
    caps->dwPlayCpuOverhead = 0;
    return DS_OK;
}

HRESULT SimSoundBuffer::GetCurrentPosition(LPDWORD play, LPDWORD write)
{
    if (play == nullptr && write == nullptr)
        return DSERR_INVALIDPARAM;
    if (play != nullptr)
        *play = PlayPosition();
    if (write != nullptr)
        *write = PlayPosition();
    return DS_OK;
}

HRESULT SimSoundBuffer::GetFormat(LPWAVEFORMATEX format, DWORD size, LPDWORD written)
{
    const std::vector<BYTE>& stored = IsPrimary() ? m_device.PrimaryFormat() : m_format;
    const DWORD storedSize = static_cast<DWORD>(stored.size());
    if (format == nullptr) {
        if (written == nullptr)
            return DSERR_INVALIDPARAM;
        *written = storedSize;
        return DS_OK;
    }
    if (size < storedSize)
        return DSERR_INVALIDPARAM;
    std::memcpy(format, stored.data(), storedSize);
    if (written != nullptr)
        *written = storedSize;
    return DS_OK;
}

HRESULT SimSoundBuffer::GetVolume(LPLONG volume)
{
    if (volume == nullptr)
        return DSERR_INVALIDPARAM;
    if ((m_flags & DSBCAPS_CTRLVOLUME) == 0)
        return DSERR_CONTROLUNAVAIL;
    *volume = m_volume;
    return DS_OK;
}

HRESULT SimSoundBuffer::GetPan(LPLONG pan)
{
    if (pan == nullptr)
        return DSERR_INVALIDPARAM;
    if ((m_flags & DSBCAPS_CTRLPAN) == 0)
        return DSERR_CONTROLUNAVAIL;
    *pan = m_pan;
    return DS_OK;
}

HRESULT SimSoundBuffer::GetFrequency(LPDWORD frequency)
{
    if (frequency == nullptr)
        return DSERR_INVALIDPARAM;
    if ((m_flags & DSBCAPS_CTRLFREQUENCY) == 0)
        return DSERR_CONTROLUNAVAIL;
    *frequency = Rate();
    return DS_OK;
}

HRESULT SimSoundBuffer::GetStatus(LPDWORD status)
{
    if (status == nullptr)
        return DSERR_INVALIDPARAM;
    const bool hardware = (m_flags & DSBCAPS_LOCHARDWARE) != 0
                          || (HasThreeD() && (m_flags & DSBCAPS_LOCSOFTWARE) == 0);
    *status = (m_playing ? DSBSTATUS_PLAYING : 0) | (m_playing && m_looping ? DSBSTATUS_LOOPING : 0)
              | (m_lost ? DSBSTATUS_BUFFERLOST : 0) | (hardware ? DSBSTATUS_LOCHARDWARE : DSBSTATUS_LOCSOFTWARE);
    return DS_OK;
}

HRESULT SimSoundBuffer::Initialize(LPDIRECTSOUND sound, LPCDSBUFFERDESC description)
{
    return DSERR_ALREADYINITIALIZED;
}

HRESULT SimSoundBuffer::Lock(DWORD offset, DWORD bytes, LPVOID* first, LPDWORD firstBytes, LPVOID* second,
                             LPDWORD secondBytes, DWORD flags)
{
    if (first == nullptr || firstBytes == nullptr)
        return DSERR_INVALIDPARAM;
    *first = nullptr;
    *firstBytes = 0;
    if (second != nullptr)
        *second = nullptr;
    if (secondBytes != nullptr)
        *secondBytes = 0;
    if (IsPrimary())
        return DSERR_PRIOLEVELNEEDED;
    if (m_lost)
        return DSERR_BUFFERLOST;
    if (flags & DSBLOCK_FROMWRITECURSOR)
        offset = PlayPosition();
    if (flags & DSBLOCK_ENTIREBUFFER)
        bytes = Bytes();
    if (offset >= Bytes() || bytes == 0 || bytes > Bytes())
        return DSERR_INVALIDPARAM;
    const DWORD head = std::min(bytes, Bytes() - offset);
    if (head < bytes && (second == nullptr || secondBytes == nullptr))
        return DSERR_INVALIDPARAM;
    *first = m_memory.data() + offset;
    *firstBytes = head;
    if (head < bytes) {
        *second = m_memory.data();
        *secondBytes = bytes - head;
    }
    return DS_OK;
}

HRESULT SimSoundBuffer::Play(DWORD reserved1, DWORD priority, DWORD flags)
{
    if (reserved1 != 0)
        return DSERR_INVALIDPARAM;
    if (IsPrimary()) {
        if ((flags & DSBPLAY_LOOPING) == 0)
            return DSERR_INVALIDPARAM;
        m_playing = true;
        return DS_OK;
    }
    SimSoundSystem* system = m_device.System();
    const HRESULT fault = system != nullptr ? system->TakePlayFault() : DS_OK;
    if (FAILED(fault))
        return fault;
    if (m_lost)
        return DSERR_BUFFERLOST;
    m_playing = true;
    m_looping = (flags & DSBPLAY_LOOPING) != 0;
    return DS_OK;
}

HRESULT SimSoundBuffer::SetCurrentPosition(DWORD position)
{
    if (IsPrimary())
        return DSERR_INVALIDCALL;
    if (position >= Bytes())
        return DSERR_INVALIDPARAM;
    m_position = static_cast<uint64_t>(position / Format().nBlockAlign) << 32;
    return DS_OK;
}

HRESULT SimSoundBuffer::SetFormat(LPCWAVEFORMATEX format)
{
    return IsPrimary() ? m_device.SetPrimaryFormat(format) : DSERR_INVALIDCALL;
}

HRESULT SimSoundBuffer::SetVolume(LONG volume)
{
    if ((m_flags & DSBCAPS_CTRLVOLUME) == 0)
        return DSERR_CONTROLUNAVAIL;
    if (volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX)
        return DSERR_INVALIDPARAM;
    m_volume = volume;
    return DS_OK;
}

HRESULT SimSoundBuffer::SetPan(LONG pan)
{
    if ((m_flags & DSBCAPS_CTRLPAN) == 0)
        return DSERR_CONTROLUNAVAIL;
    if (pan < DSBPAN_LEFT || pan > DSBPAN_RIGHT)
        return DSERR_INVALIDPARAM;
    m_pan = pan;
    return DS_OK;
}

HRESULT SimSoundBuffer::SetFrequency(DWORD frequency)
{
    if ((m_flags & DSBCAPS_CTRLFREQUENCY) == 0 || IsPrimary())
        return DSERR_CONTROLUNAVAIL;
    if (frequency != DSBFREQUENCY_ORIGINAL && (frequency < DSBFREQUENCY_MIN || frequency > DSBFREQUENCY_MAX))
        return DSERR_INVALIDPARAM;
    m_frequency = frequency;
    return DS_OK;
}

HRESULT SimSoundBuffer::Stop()
{
    m_playing = false;
    return DS_OK;
}

bool SimSoundBuffer::Owns(const void* pointer, DWORD bytes) const
{
    const BYTE* at = static_cast<const BYTE*>(pointer);
    const BYTE* begin = m_memory.data();
    return at >= begin && at <= begin + m_memory.size() && bytes <= static_cast<size_t>(begin + m_memory.size() - at);
}

HRESULT SimSoundBuffer::Unlock(LPVOID first, DWORD firstBytes, LPVOID second, DWORD secondBytes)
{
    if (IsPrimary() || first == nullptr || !Owns(first, firstBytes))
        return DSERR_INVALIDPARAM;
    if (second != nullptr && !Owns(second, secondBytes))
        return DSERR_INVALIDPARAM;
    return DS_OK;
}

HRESULT SimSoundBuffer::Restore()
{
    SimSoundSystem* system = m_device.System();
    if (system != nullptr)
        system->CountRestore();
    if (!m_lost)
        return DS_OK;
    ++m_restoreTries;
    if (m_restoredAtTry <= 0 || m_restoreTries < m_restoredAtTry)
        return DSERR_BUFFERLOST;
    m_lost = false;
    return DS_OK;
}
