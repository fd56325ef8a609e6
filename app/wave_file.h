#pragma once
// A RIFF WAVE file read through the buffered multimedia file functions: its format
// record and the bytes of its "data" chunk. Owns the open file and the format record;
// not copyable.

#include "platform/owned_handle.h"

#include <windows.h>
#include <mmsystem.h>

#include <vector>

struct MultimediaFileTraits {
    using Value = HMMIO;
    static Value Empty() { return nullptr; }
    static bool IsHeld(Value value) { return value != nullptr; }
    static void Undo(Value value) { mmioClose(value, 0); }
};

class CWaveFile {
public:
    CWaveFile() = default;
    ~CWaveFile() { Close(); }
    CWaveFile(const CWaveFile&) = delete;
    CWaveFile& operator=(const CWaveFile&) = delete;

    // Opens the file, reads its format and positions at the start of its data; on
    // failure nothing stays open.
    bool OpenWave(const char* fileName);
    // Back to the start of the data.
    bool RewindData();
    // Reads up to byteCount bytes of the data that are left; false when the file
    // ends before them. bytesRead tells how many were copied either way.
    bool ReadData(DWORD byteCount, BYTE* buffer, DWORD* bytesRead);

    bool IsOpen() const { return m_file.IsHeld(); }
    // The format record (WAVEFORMATEX with its extra bytes); null until opened.
    const WAVEFORMATEX* Format() const;
    DWORD FormatSize() const { return static_cast<DWORD>(m_format.size()); }
    // Bytes of sound: the data chunk as far as the file holds it.
    DWORD DataSize() const { return m_data.cksize; }
    // Takes the sound for plain mono PCM of the same rate and depth.
    void MakeMonoPcm();

private:
    bool ReadFormat(const MMCKINFO& formatChunk);
    bool ReadExact(void* buffer, LONG bytes);
    void Close();

    COwnedHandle<MultimediaFileTraits> m_file;
    std::vector<BYTE> m_format;
    MMCKINFO m_riff = {};
    MMCKINFO m_data = {};
    LONG m_fileSize = 0;
    DWORD m_remaining = 0;
};
