#pragma once
// The wave formats the simulated sound system takes, checked as DirectSound checks
// them, and the samples of a buffer in such a format.

#include "platform/sound_records.h"

#include <vector>

// A secondary buffer's format: 0 or the failure DirectSound answers. Buffers with
// 3D control take mono sounds only.
HRESULT CheckBufferFormat(const WAVEFORMATEX* format, bool threeD);

// A primary buffer's format; multichannel records only where the device mixes them.
HRESULT CheckPrimaryFormat(const WAVEFORMATEX* format, bool acceptsMultichannel);

// The bytes of a checked format record as the sound system keeps it: 18 for plain
// PCM (no extra bytes), 40 for a multichannel record.
std::vector<BYTE> StoredFormat(const WAVEFORMATEX& format);

// The speakers of a multichannel record, or 0 for plain PCM.
DWORD ChannelMaskOf(const std::vector<BYTE>& storedFormat);

// One sample at the given byte offset in the format's container size, scaled to
// the 16-bit range (8-bit samples are unsigned).
int SampleAt(const BYTE* sample, WORD bitsPerSample);
