#pragma once
// Bytes of RIFF files, little-endian, for the simulated sound system's recordings
// and for tests that write wave files of their own (also damaged ones).

#include <cstdint>
#include <string>

inline void AppendLe16(std::string& bytes, uint16_t value)
{
    bytes.push_back(static_cast<char>(value & 0xFF));
    bytes.push_back(static_cast<char>(value >> 8));
}

inline void AppendLe32(std::string& bytes, uint32_t value)
{
    AppendLe16(bytes, static_cast<uint16_t>(value & 0xFFFF));
    AppendLe16(bytes, static_cast<uint16_t>(value >> 16));
}

// A chunk: four-character identifier, size, body and the pad byte of an odd body.
// The size written may differ from the body's (to write damaged files).
inline std::string RiffChunk(const char* id, const std::string& body, uint32_t declaredSize)
{
    std::string chunk(id, 4);
    AppendLe32(chunk, declaredSize);
    chunk += body;
    if (body.size() % 2 != 0)
        chunk.push_back('\0');
    return chunk;
}

inline std::string RiffChunk(const char* id, const std::string& body)
{
    return RiffChunk(id, body, static_cast<uint32_t>(body.size()));
}

// "RIFF" with a form type and the chunks inside.
inline std::string RiffForm(const char* formType, const std::string& chunks)
{
    return RiffChunk("RIFF", std::string(formType, 4) + chunks);
}
