#pragma once
// A DirectSound object of the simulated sound system, on one of its devices: the
// cooperative level, the primary format, the listener and the buffers it created.
// Created by SimSoundSystem; freed at its last Release, which its buffers hold too.

#include "simcard/sim_sound_3d.h"

#include <vector>

class SimSoundBuffer;
class SimSoundSystem;

class SimDirectSound final : public IDirectSound {
public:
    SimDirectSound(SimSoundSystem& system, size_t device);
    SimDirectSound(const SimDirectSound&) = delete;
    SimDirectSound& operator=(const SimDirectSound&) = delete;

    size_t Device() const { return m_device; }
    DWORD CooperativeLevel() const { return m_level; }
    const std::vector<BYTE>& PrimaryFormat() const { return m_primaryFormat; }
    HRESULT SetPrimaryFormat(const WAVEFORMATEX* format);
    const std::vector<SimSoundBuffer*>& Buffers() const { return m_buffers; }
    const DS3DLISTENER& Listener() const { return m_listener.Applied(); }
    IDirectSound3DListener* ListenerInterface() { return &m_listener; }
    // The device's speaker configuration, as the system keeps it.
    DWORD SpeakerConfiguration() const;
    // The system; none after it was destroyed while this object lived.
    SimSoundSystem* System() const { return m_system; }
    void Detach() { m_system = nullptr; }
    void BufferGone(SimSoundBuffer* buffer);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC description, LPLPDIRECTSOUNDBUFFER buffer,
                                                IUnknown* outer) override;
    HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS caps) override;
    HRESULT STDMETHODCALLTYPE DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                                                   LPLPDIRECTSOUNDBUFFER duplicate) override;
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND window, DWORD level) override;
    HRESULT STDMETHODCALLTYPE Compact() override;
    HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD configuration) override;
    HRESULT STDMETHODCALLTYPE SetSpeakerConfig(DWORD configuration) override;
    HRESULT STDMETHODCALLTYPE Initialize(LPCGUID device) override;

private:
    ~SimDirectSound();
    static void CommitDeferred(void* context);
    HRESULT CheckDescription(const DSBUFFERDESC& description) const;

    LONG m_references = 1;
    SimSoundSystem* m_system;
    size_t m_device;
    DWORD m_level = 0;
    std::vector<BYTE> m_primaryFormat;
    SimThreeDListener m_listener;
    std::vector<SimSoundBuffer*> m_buffers;
};
