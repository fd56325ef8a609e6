#pragma once
// A sound buffer of the simulated sound system: the primary buffer of a device
// (its format is the device's) or a secondary buffer with its own memory, format,
// play state and, with 3D control, a position. Created by SimDirectSound, which it
// keeps alive; freed at its last Release.

#include "simcard/sim_sound_3d.h"

#include <cstdint>
#include <vector>

class SimDirectSound;

class SimSoundBuffer final : public IDirectSoundBuffer {
public:
    // description was checked by the device; format is the stored record (none for a primary buffer).
    SimSoundBuffer(SimDirectSound& device, const DSBUFFERDESC& description, std::vector<BYTE> format);
    SimSoundBuffer(const SimSoundBuffer&) = delete;
    SimSoundBuffer& operator=(const SimSoundBuffer&) = delete;

    // What the sound system and the tests see.
    bool IsPrimary() const { return (m_flags & DSBCAPS_PRIMARYBUFFER) != 0; }
    DWORD Flags() const { return m_flags; }
    DWORD Bytes() const { return static_cast<DWORD>(m_memory.size()); }
    const WAVEFORMATEX& Format() const;
    const std::vector<BYTE>& Memory() const { return m_memory; }
    bool IsPlaying() const { return m_playing; }
    bool IsLooping() const { return m_looping; }
    bool IsLost() const { return m_lost; }
    DWORD PlayPosition() const;
    const SimThreeDBuffer* ThreeD() const { return HasThreeD() ? &m_threeD : nullptr; }
    void CommitDeferred() { m_threeD.CommitDeferred(); }
    // The speakers (bits of multichannel channel masks) the buffer sounds on.
    DWORD Speakers() const;
    // Takes the buffer's memory away; Restore gives it back at the restoredAtTry-th
    // call (0: never).
    void Lose(int restoredAtTry);
    // Adds frames at the output rate to mixed (eight speaker channels a frame) and
    // moves on; a buffer that is not looping stops at its end.
    void MixInto(std::vector<int32_t>& mixed, DWORD frames, DWORD outputRate);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetCaps(LPDSBCAPS caps) override;
    HRESULT STDMETHODCALLTYPE GetCurrentPosition(LPDWORD play, LPDWORD write) override;
    HRESULT STDMETHODCALLTYPE GetFormat(LPWAVEFORMATEX format, DWORD size, LPDWORD written) override;
    HRESULT STDMETHODCALLTYPE GetVolume(LPLONG volume) override;
    HRESULT STDMETHODCALLTYPE GetPan(LPLONG pan) override;
    HRESULT STDMETHODCALLTYPE GetFrequency(LPDWORD frequency) override;
    HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD status) override;
    HRESULT STDMETHODCALLTYPE Initialize(LPDIRECTSOUND sound, LPCDSBUFFERDESC description) override;
    HRESULT STDMETHODCALLTYPE Lock(DWORD offset, DWORD bytes, LPVOID* first, LPDWORD firstBytes, LPVOID* second,
                                   LPDWORD secondBytes, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Play(DWORD reserved1, DWORD priority, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD position) override;
    HRESULT STDMETHODCALLTYPE SetFormat(LPCWAVEFORMATEX format) override;
    HRESULT STDMETHODCALLTYPE SetVolume(LONG volume) override;
    HRESULT STDMETHODCALLTYPE SetPan(LONG pan) override;
    HRESULT STDMETHODCALLTYPE SetFrequency(DWORD frequency) override;
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE Unlock(LPVOID first, DWORD firstBytes, LPVOID second, DWORD secondBytes) override;
    HRESULT STDMETHODCALLTYPE Restore() override;

private:
    ~SimSoundBuffer();
    bool HasThreeD() const { return !IsPrimary() && (m_flags & DSBCAPS_CTRL3D) != 0; }
    DWORD Frames() const;
    DWORD Rate() const;
    // Gains from the buffer's channels to the eight speaker channels.
    void Routing(float routes[8][8]) const;
    void RouteThreeD(float routes[8][8]) const;
    bool Owns(const void* pointer, DWORD bytes) const;

    LONG m_references = 1;
    SimDirectSound& m_device;
    DWORD m_flags;
    std::vector<BYTE> m_format;
    std::vector<BYTE> m_memory;
    bool m_playing = false;
    bool m_looping = false;
    bool m_lost = false;
    int m_restoredAtTry = 0;
    int m_restoreTries = 0;
    uint64_t m_position = 0; // frames, 32.32 fixed point
    LONG m_volume = DSBVOLUME_MAX;
    LONG m_pan = DSBPAN_CENTER;
    DWORD m_frequency = 0; // 0: the format's rate
    SimThreeDBuffer m_threeD;
};
