#include "app/wave_file.h"

#include <mmreg.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr FOURCC kWaveForm = mmioFOURCC('W', 'A', 'V', 'E');
constexpr FOURCC kFormatChunk = mmioFOURCC('f', 'm', 't', ' ');
constexpr FOURCC kDataChunk = mmioFOURCC('d', 'a', 't', 'a');
constexpr DWORD kPcmPartSize = sizeof(PCMWAVEFORMAT);
constexpr DWORD kExtraSizeField = sizeof(WORD);

} // namespace

bool CWaveFile::OpenWave(const char* fileName)
{
    Close();
    if (fileName == nullptr)
        return false;
    m_file.Reset(mmioOpenA(const_cast<LPSTR>(fileName), nullptr, MMIO_ALLOCBUF | MMIO_READ));
    if (!m_file.IsHeld())
        return false;
    const HMMIO file = m_file.Get();
    // The size of the file bounds every chunk: a header may claim more than is there.
    m_fileSize = mmioSeek(file, 0, SEEK_END);
    MMCKINFO formatChunk = {};
    formatChunk.ckid = kFormatChunk;
    const bool opened = m_fileSize > 0 && mmioSeek(file, 0, SEEK_SET) == 0
                        && mmioDescend(file, &m_riff, nullptr, 0) == MMSYSERR_NOERROR
                        && m_riff.ckid == FOURCC_RIFF && m_riff.fccType == kWaveForm
                        && mmioDescend(file, &formatChunk, &m_riff, MMIO_FINDCHUNK) == MMSYSERR_NOERROR
                        && ReadFormat(formatChunk)
                        && mmioAscend(file, &formatChunk, 0) == MMSYSERR_NOERROR && RewindData();
    if (!opened)
        Close();
    return opened;
}

bool CWaveFile::ReadFormat(const MMCKINFO& formatChunk)
{
    if (formatChunk.cksize < kPcmPartSize)
        return false;
    PCMWAVEFORMAT pcm = {};
    if (!ReadExact(&pcm, kPcmPartSize))
        return false;
    WORD extraSize = 0;
    if (pcm.wf.wFormatTag != WAVE_FORMAT_PCM && formatChunk.cksize >= kPcmPartSize + kExtraSizeField) {
        if (!ReadExact(&extraSize, kExtraSizeField))
            return false;
        // The extra bytes must lie within the chunk.
        if (extraSize > formatChunk.cksize - kPcmPartSize - kExtraSizeField)
            return false;
    }
    m_format.assign(sizeof(WAVEFORMATEX) + extraSize, 0);
    std::memcpy(m_format.data(), &pcm, kPcmPartSize);
    reinterpret_cast<WAVEFORMATEX*>(m_format.data())->cbSize = extraSize;
    return extraSize == 0 || ReadExact(m_format.data() + sizeof(WAVEFORMATEX), extraSize);
}

bool CWaveFile::RewindData()
{
    if (!m_file.IsHeld())
        return false;
    m_remaining = 0;
    if (mmioSeek(m_file.Get(), static_cast<LONG>(m_riff.dwDataOffset + sizeof(FOURCC)), SEEK_SET) == -1)
        return false;
    m_data = {};
    m_data.ckid = kDataChunk;
    if (mmioDescend(m_file.Get(), &m_data, &m_riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR)
        return false;
    const DWORD present = m_data.dwDataOffset < static_cast<DWORD>(m_fileSize)
                              ? static_cast<DWORD>(m_fileSize) - m_data.dwDataOffset
                              : 0;
    m_data.cksize = std::min(m_data.cksize, present);
    m_remaining = m_data.cksize;
    return true;
}

bool CWaveFile::ReadData(DWORD byteCount, BYTE* buffer, DWORD* bytesRead)
{
    if (bytesRead != nullptr)
        *bytesRead = 0;
    if (!m_file.IsHeld() || buffer == nullptr)
        return false;
    MMIOINFO info = {};
    if (mmioGetInfo(m_file.Get(), &info, 0) != MMSYSERR_NOERROR)
        return false;
    DWORD wanted = std::min(byteCount, m_remaining);
    m_remaining -= wanted;
    DWORD copied = 0;
    bool complete = true;
    while (copied < wanted) {
        if (info.pchNext == info.pchEndRead) {
            // An advance that brings no bytes: the file ends before its data does.
            if (mmioAdvance(m_file.Get(), &info, MMIO_READ) != MMSYSERR_NOERROR || info.pchNext == info.pchEndRead) {
                complete = false;
                break;
            }
        }
        const DWORD available = static_cast<DWORD>(info.pchEndRead - info.pchNext);
        const DWORD step = std::min(available, wanted - copied);
        std::memcpy(buffer + copied, info.pchNext, step);
        info.pchNext += step;
        copied += step;
    }
    if (mmioSetInfo(m_file.Get(), &info, 0) != MMSYSERR_NOERROR)
        complete = false;
    if (bytesRead != nullptr)
        *bytesRead = copied;
    return complete;
}

bool CWaveFile::ReadExact(void* buffer, LONG bytes)
{
    return mmioRead(m_file.Get(), static_cast<HPSTR>(buffer), bytes) == bytes;
}

const WAVEFORMATEX* CWaveFile::Format() const
{
    return m_format.empty() ? nullptr : reinterpret_cast<const WAVEFORMATEX*>(m_format.data());
}

void CWaveFile::MakeMonoPcm()
{
    if (m_format.empty())
        return;
    WAVEFORMATEX* format = reinterpret_cast<WAVEFORMATEX*>(m_format.data());
    format->wFormatTag = WAVE_FORMAT_PCM;
    format->nChannels = 1;
    format->nBlockAlign = format->wBitsPerSample / 8;
    format->nAvgBytesPerSec = format->nSamplesPerSec * format->nBlockAlign;
    format->cbSize = 0;
    m_format.resize(sizeof(WAVEFORMATEX));
}

void CWaveFile::Close()
{
    m_file.Reset();
    m_format.clear();
    m_riff = {};
    m_data = {};
    m_fileSize = 0;
    m_remaining = 0;
}
