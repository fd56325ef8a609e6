#pragma once
// The three band tables of an equalizer set: one signed gain byte and one
// little-endian 16-bit frequency and bandwidth per band. They are allocated
// together for a band count (gain 2N bytes, frequency and bandwidth 2N + 2 bytes
// each, as the driver's layout has it) and only the first N or 2N bytes are used.

#include <windows.h>

#include <vector>

// The band counts the card knows; any other count is used as the smallest.
constexpr DWORD kEqSmallBandCount = 2;
constexpr DWORD kEqMediumBandCount = 5;
constexpr DWORD kEqLargeBandCount = 10;

inline DWORD NormalEqBandCount(DWORD bands)
{
    return bands == kEqMediumBandCount || bands == kEqLargeBandCount ? bands : kEqSmallBandCount;
}

class CEqTables {
public:
    bool IsAllocated() const { return !m_gains.empty(); }
    DWORD Bands() const { return m_bands; }

    void Allocate(DWORD bands)
    {
        m_bands = bands;
        m_gains.assign(2 * bands, 0);
        m_frequencies.assign(2 * bands + 2, 0);
        m_bandwidths.assign(2 * bands + 2, 0);
    }

    void Free()
    {
        m_bands = 0;
        m_gains.clear();
        m_frequencies.clear();
        m_bandwidths.clear();
    }

    // Bytes of each table used for the allocated band count.
    DWORD GainBytes() const { return m_bands; }
    DWORD FrequencyBytes() const { return 2 * m_bands; }

    signed char* Gains() { return m_gains.data(); }
    BYTE* Frequencies() { return m_frequencies.data(); }
    BYTE* Bandwidths() { return m_bandwidths.data(); }
    const signed char* Gains() const { return m_gains.data(); }
    const BYTE* Frequencies() const { return m_frequencies.data(); }
    const BYTE* Bandwidths() const { return m_bandwidths.data(); }

private:
    DWORD m_bands = 0;
    std::vector<signed char> m_gains;
    std::vector<BYTE> m_frequencies;
    std::vector<BYTE> m_bandwidths;
};
