#include "simcard/sim_sound_format.h"

#include <cstring>

namespace {

bool RateInRange(DWORD rate) { return rate >= DSBFREQUENCY_MIN && rate <= DSBFREQUENCY_MAX; }

// Alignment and data rate must follow from channels, depth and rate.
bool Consistent(const WAVEFORMATEX& format)
{
    const unsigned long long align = static_cast<unsigned long long>(format.nChannels) * format.wBitsPerSample / 8;
    return align == format.nBlockAlign
           && static_cast<unsigned long long>(format.nSamplesPerSec) * align == format.nAvgBytesPerSec;
}

HRESULT CheckPcm(const WAVEFORMATEX& format)
{
    if (format.nChannels < 1 || format.nChannels > 2 || (format.wBitsPerSample != 8 && format.wBitsPerSample != 16))
        return DSERR_BADFORMAT;
    return RateInRange(format.nSamplesPerSec) && Consistent(format) ? DS_OK : DSERR_INVALIDPARAM;
}

HRESULT CheckMultichannel(const WAVEFORMATEX& format)
{
    if (format.cbSize < kExtensibleExtraSize)
        return DSERR_INVALIDPARAM;
    const WAVEFORMATEXTENSIBLE& record = reinterpret_cast<const WAVEFORMATEXTENSIBLE&>(format);
    if (!(record.SubFormat == kSubFormatPcm))
        return DSERR_BADFORMAT;
    const WORD bits = format.wBitsPerSample;
    if (format.nChannels < 1 || format.nChannels > 8 || (bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return DSERR_BADFORMAT;
    if (record.Samples.wValidBitsPerSample == 0 || record.Samples.wValidBitsPerSample > bits)
        return DSERR_INVALIDPARAM;
    return RateInRange(format.nSamplesPerSec) && Consistent(format) ? DS_OK : DSERR_INVALIDPARAM;
}

HRESULT CheckAny(const WAVEFORMATEX& format)
{
    switch (format.wFormatTag) {
    case WAVE_FORMAT_PCM:
        return CheckPcm(format);
    case WAVE_FORMAT_EXTENSIBLE:
        return CheckMultichannel(format);
    default:
        return DSERR_BADFORMAT;
    }
}

} // namespace

HRESULT CheckBufferFormat(const WAVEFORMATEX* format, bool threeD)
{
    if (format == nullptr)
        return DSERR_INVALIDPARAM;
    const HRESULT result = CheckAny(*format);
    if (SUCCEEDED(result) && threeD && format->nChannels != 1)
        return DSERR_INVALIDPARAM;
    return result;
}

HRESULT CheckPrimaryFormat(const WAVEFORMATEX* format, bool acceptsMultichannel)
{
    if (format == nullptr)
        return DSERR_INVALIDPARAM;
    if (format->wFormatTag == WAVE_FORMAT_EXTENSIBLE && !acceptsMultichannel)
        return DSERR_BADFORMAT;
    return CheckAny(*format);
}

std::vector<BYTE> StoredFormat(const WAVEFORMATEX& format)
{
    const bool multichannel = format.wFormatTag == WAVE_FORMAT_EXTENSIBLE;
    std::vector<BYTE> stored(multichannel ? sizeof(WAVEFORMATEXTENSIBLE) : sizeof(WAVEFORMATEX));
    std::memcpy(stored.data(), &format, stored.size());
    reinterpret_cast<WAVEFORMATEX*>(stored.data())->cbSize = multichannel ? kExtensibleExtraSize : 0;
    return stored;
}

DWORD ChannelMaskOf(const std::vector<BYTE>& storedFormat)
{
    if (storedFormat.size() < sizeof(WAVEFORMATEXTENSIBLE))
        return 0;
    return reinterpret_cast<const WAVEFORMATEXTENSIBLE*>(storedFormat.data())->dwChannelMask;
}

int SampleAt(const BYTE* sample, WORD bitsPerSample)
{
    switch (bitsPerSample) {
    case 8:
        return (static_cast<int>(sample[0]) - 128) * 256;
    case 16:
        return static_cast<short>(sample[0] | (sample[1] << 8));
    case 24:
        return static_cast<short>(sample[1] | (sample[2] << 8));
    case 32:
        return static_cast<short>(sample[2] | (sample[3] << 8));
    default:
        return 0;
    }
}
