// The speaker test's sound device: the primary buffer's format, one secondary
// buffer per speaker and the test sound in each.
#include "app/speaker_test.h"

#include "platform/direct_sound_functions.h"
#include "platform/sound_records.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kPrimaryRate = 44100;
constexpr WORD kPrimaryBits = 16;
constexpr DWORD kMultichannelFlags = DSBCAPS_STICKYFOCUS | DSBCAPS_LOCSOFTWARE;
constexpr DWORD kThreeDFlags =
    DSBCAPS_STATIC | DSBCAPS_CTRL3D | DSBCAPS_STICKYFOCUS | DSBCAPS_MUTE3DATMAXDISTANCE;
constexpr D3DVALUE kThreeDDistance = 1.0f;

// Block alignment and rate in unsigned arithmetic: a damaged sound's values wrap
// instead of overflowing, and the sound system refuses the result.
WAVEFORMATEXTENSIBLE MultichannelFormat(WORD channels, DWORD rate, WORD bits, DWORD channelMask)
{
    WAVEFORMATEXTENSIBLE format = {};
    format.Format.wFormatTag = WAVE_FORMAT_EXTENSIBLE;
    format.Format.nChannels = channels;
    format.Format.nSamplesPerSec = rate;
    format.Format.wBitsPerSample = bits;
    format.Format.nBlockAlign = static_cast<WORD>(static_cast<DWORD>(channels) * bits / 8u);
    format.Format.nAvgBytesPerSec = rate * format.Format.nBlockAlign;
    format.Format.cbSize = kExtensibleExtraSize;
    format.Samples.wValidBitsPerSample = bits;
    format.dwChannelMask = channelMask;
    format.SubFormat = kSubFormatPcm;
    return format;
}

WAVEFORMATEX MonoPcmFormat(DWORD rate, WORD bits)
{
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = rate;
    format.wBitsPerSample = bits;
    format.nBlockAlign = static_cast<WORD>(bits / 8u);
    format.nAvgBytesPerSec = rate * format.nBlockAlign;
    return format;
}

DSBUFFERDESC BufferDescription(DWORD flags, DWORD bytes, WAVEFORMATEX* format)
{
    DSBUFFERDESC description = {};
    description.dwSize = sizeof(description);
    description.dwFlags = flags;
    description.dwBufferBytes = bytes;
    description.lpwfxFormat = format;
    description.guid3DAlgorithm = kNullGuid; // the default 3D algorithm
    return description;
}

// Speakers with a buffer for a channel count: front pair, then rear pair, then
// centre and subwoofer, then the pair beside the centre.
int SpeakersFor(int channelCount)
{
    if (channelCount > 7)
        return 8;
    if (channelCount > 5)
        return 6;
    return channelCount > 3 ? 4 : 2;
}

template <typename Interface>
HRESULT QueryOwned(IUnknown* object, const GUID& iid, COwnedInterface<Interface>& owner)
{
    void* found = nullptr;
    const HRESULT result = object->QueryInterface(iid, &found);
    if (SUCCEEDED(result))
        owner.Reset(static_cast<Interface*>(found));
    return result;
}

} // namespace

HRESULT CSpeakerTest::Create()
{
    if (m_sound.IsHeld())
        return DS_OK;
    IDirectSound* created = nullptr;
    HRESULT result = CreateSoundDevice(&created);
    if (FAILED(result))
        return result;
    m_sound.Reset(created);
    result = m_sound->SetCooperativeLevel(m_owner, DSSCL_PRIORITY);
    if (SUCCEEDED(result))
        result = CreatePrimaryBuffer();
    // Without a test sound the device serves the speaker configuration alone.
    if (SUCCEEDED(result) && m_testSound != nullptr)
        result = CreateSecondaryBuffers();
    if (SUCCEEDED(result))
        result = FillBuffers();
    // A half-made device would pass for a made one at the next start.
    if (FAILED(result))
        ReleaseAll();
    return result;
}

HRESULT CSpeakerTest::CreatePrimaryBuffer()
{
    HRESULT result = CreatePrimary(DSBCAPS_PRIMARYBUFFER);
    if (FAILED(result))
        return result;
    WAVEFORMATEXTENSIBLE multichannel =
        MultichannelFormat(1, kPrimaryRate, kPrimaryBits, SPEAKER_FRONT_LEFT);
    if (SUCCEEDED(m_primary->SetFormat(&multichannel.Format)))
        return DS_OK;
    // No multichannel mixing: a primary buffer with a 3D listener, in plain PCM.
    m_primary.Reset();
    result = CreatePrimary(DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D);
    if (FAILED(result))
        return result;
    const WAVEFORMATEX pcm = MonoPcmFormat(kPrimaryRate, kPrimaryBits);
    return m_primary->SetFormat(&pcm);
}

HRESULT CSpeakerTest::CreatePrimary(DWORD flags)
{
    DSBUFFERDESC description = BufferDescription(flags, 0, nullptr);
    IDirectSoundBuffer* buffer = nullptr;
    const HRESULT result = m_sound->CreateSoundBuffer(&description, &buffer, nullptr);
    if (SUCCEEDED(result))
        m_primary.Reset(buffer);
    return result;
}

HRESULT CSpeakerTest::CreateSecondaryBuffers()
{
    for (COwnedInterface<IDirectSoundBuffer>& buffer : m_buffers)
        buffer.Reset();
    WAVEFORMATEXTENSIBLE primary = {};
    DWORD written = 0;
    HRESULT result = m_primary->GetFormat(&primary.Format, sizeof(primary), &written);
    if (FAILED(result))
        return result;
    m_bufferSize = m_testSound->DataSize();
    return primary.Format.wFormatTag == WAVE_FORMAT_EXTENSIBLE ? CreateMultichannelBuffers()
                                                              : CreateThreeDBuffers();
}

HRESULT CSpeakerTest::CreateMultichannelBuffers()
{
    const WAVEFORMATEX& sound = *m_testSound->Format();
    const int speakers = SpeakersFor(m_channelCount);
    for (int index = 0; index < speakers; ++index) {
        WAVEFORMATEXTENSIBLE format =
            MultichannelFormat(sound.nChannels, sound.nSamplesPerSec, sound.wBitsPerSample, SpeakerMask(index));
        DSBUFFERDESC description = BufferDescription(kMultichannelFlags, m_bufferSize, &format.Format);
        IDirectSoundBuffer* buffer = nullptr;
        const HRESULT result = m_sound->CreateSoundBuffer(&description, &buffer, nullptr);
        if (FAILED(result))
            return result;
        m_buffers[index].Reset(buffer);
    }
    return DS_OK;
}

HRESULT CSpeakerTest::CreateThreeDBuffers()
{
    // The sound system places mono sounds only.
    m_testSound->MakeMonoPcm();
    COwnedInterface<IDirectSound3DListener> listener;
    HRESULT result = QueryOwned(m_primary.Get(), kIidDirectSound3DListener, listener);
    if (SUCCEEDED(result))
        result = listener->SetPosition(0.0f, 0.0f, 0.0f, DS3D_IMMEDIATE);
    // Front left, front right, rear left, rear right: left is -x, front is +z.
    const D3DVALUE places[4][2] = {{-1.0f, 1.0f}, {1.0f, 1.0f}, {-1.0f, -1.0f}, {1.0f, -1.0f}};
    const int speakers = m_channelCount >= 4 ? 4 : 2;
    for (int index = 0; index < speakers && SUCCEEDED(result); ++index)
        result = CreateThreeDBuffer(index, places[index][0], places[index][1]);
    return result;
}

HRESULT CSpeakerTest::CreateThreeDBuffer(int index, D3DVALUE x, D3DVALUE z)
{
    WAVEFORMATEX format = *m_testSound->Format();
    DSBUFFERDESC description = BufferDescription(kThreeDFlags, m_bufferSize, &format);
    IDirectSoundBuffer* buffer = nullptr;
    HRESULT result = m_sound->CreateSoundBuffer(&description, &buffer, nullptr);
    if (FAILED(result))
        return result;
    m_buffers[index].Reset(buffer);
    COwnedInterface<IDirectSound3DBuffer> placed;
    result = QueryOwned(buffer, kIidDirectSound3DBuffer, placed);
    if (SUCCEEDED(result))
        result = placed->SetMode(DS3DMODE_NORMAL, DS3D_IMMEDIATE);
    if (SUCCEEDED(result))
        result = placed->SetMinDistance(kThreeDDistance, DS3D_IMMEDIATE);
    if (SUCCEEDED(result))
        result = placed->SetMaxDistance(kThreeDDistance, DS3D_IMMEDIATE);
    if (SUCCEEDED(result))
        result = placed->SetPosition(x, 0.0f, z, DS3D_IMMEDIATE);
    return result;
}

HRESULT CSpeakerTest::FillBuffers()
{
    if (m_testSound == nullptr)
        return DS_OK;
    std::vector<BYTE> sound;
    HRESULT result = ReadTestSound(sound);
    for (COwnedInterface<IDirectSoundBuffer>& buffer : m_buffers) {
        if (SUCCEEDED(result) && buffer.IsHeld())
            result = Fill(buffer.Get(), sound);
    }
    return result;
}

HRESULT CSpeakerTest::ReadTestSound(std::vector<BYTE>& sound)
{
    // The whole data chunk, bounded when the sound was loaded.
    sound.assign(m_bufferSize, 0);
    DWORD read = 0;
    const bool complete = m_testSound->ReadData(m_bufferSize, sound.data(), &read);
    m_testSound->RewindData();
    return complete && read == m_bufferSize ? DS_OK : E_FAIL;
}

HRESULT CSpeakerTest::Fill(IDirectSoundBuffer* buffer, const std::vector<BYTE>& sound)
{
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    const HRESULT result = buffer->Lock(0, m_bufferSize, &first, &firstBytes, &second, &secondBytes, 0);
    if (FAILED(result))
        return result;
    const size_t head = std::min<size_t>(firstBytes, sound.size());
    if (first != nullptr)
        std::memcpy(first, sound.data(), head);
    if (second != nullptr)
        std::memcpy(second, sound.data() + head, std::min<size_t>(secondBytes, sound.size() - head));
    return buffer->Unlock(first, firstBytes, second, secondBytes);
}
