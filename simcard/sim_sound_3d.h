#pragma once
// The 3D interfaces of the simulated sound system: a buffer's position and the
// device's listener. Each is part of the object that hands it out (a buffer or
// the device) and counts its references there. Settings given with DS3D_DEFERRED
// wait for CommitDeferredSettings, as in DirectSound.

#include "platform/sound_records.h"

class SimThreeDBuffer final : public IDirectSound3DBuffer {
public:
    explicit SimThreeDBuffer(IUnknown& outer);
    SimThreeDBuffer(const SimThreeDBuffer&) = delete;
    SimThreeDBuffer& operator=(const SimThreeDBuffer&) = delete;

    // The parameters in effect.
    const DS3DBUFFER& Applied() const { return m_applied; }
    void CommitDeferred();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetAllParameters(LPDS3DBUFFER parameters) override;
    HRESULT STDMETHODCALLTYPE GetConeAngles(LPDWORD inside, LPDWORD outside) override;
    HRESULT STDMETHODCALLTYPE GetConeOrientation(LPD3DVECTOR orientation) override;
    HRESULT STDMETHODCALLTYPE GetConeOutsideVolume(LPLONG volume) override;
    HRESULT STDMETHODCALLTYPE GetMaxDistance(LPD3DVALUE distance) override;
    HRESULT STDMETHODCALLTYPE GetMinDistance(LPD3DVALUE distance) override;
    HRESULT STDMETHODCALLTYPE GetMode(LPDWORD mode) override;
    HRESULT STDMETHODCALLTYPE GetPosition(LPD3DVECTOR position) override;
    HRESULT STDMETHODCALLTYPE GetVelocity(LPD3DVECTOR velocity) override;
    HRESULT STDMETHODCALLTYPE SetAllParameters(LPCDS3DBUFFER parameters, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetConeAngles(DWORD inside, DWORD outside, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetConeOrientation(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetConeOutsideVolume(LONG volume, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetMaxDistance(D3DVALUE distance, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetMinDistance(D3DVALUE distance, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetMode(DWORD mode, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply) override;

private:
    IUnknown& m_outer;
    DS3DBUFFER m_applied;
    DS3DBUFFER m_deferred;
};

class SimThreeDListener final : public IDirectSound3DListener {
public:
    using CommitFunction = void (*)(void* context);
    // outer counts the references; commit applies every deferred setting of the device.
    SimThreeDListener(IUnknown& outer, CommitFunction commit, void* context);
    SimThreeDListener(const SimThreeDListener&) = delete;
    SimThreeDListener& operator=(const SimThreeDListener&) = delete;

    const DS3DLISTENER& Applied() const { return m_applied; }
    void CommitDeferred() { m_applied = m_deferred; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetAllParameters(LPDS3DLISTENER parameters) override;
    HRESULT STDMETHODCALLTYPE GetDistanceFactor(LPD3DVALUE factor) override;
    HRESULT STDMETHODCALLTYPE GetDopplerFactor(LPD3DVALUE factor) override;
    HRESULT STDMETHODCALLTYPE GetOrientation(LPD3DVECTOR front, LPD3DVECTOR top) override;
    HRESULT STDMETHODCALLTYPE GetPosition(LPD3DVECTOR position) override;
    HRESULT STDMETHODCALLTYPE GetRolloffFactor(LPD3DVALUE factor) override;
    HRESULT STDMETHODCALLTYPE GetVelocity(LPD3DVECTOR velocity) override;
    HRESULT STDMETHODCALLTYPE SetAllParameters(LPCDS3DLISTENER parameters, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetDistanceFactor(D3DVALUE factor, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetDopplerFactor(D3DVALUE factor, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetOrientation(D3DVALUE xFront, D3DVALUE yFront, D3DVALUE zFront, D3DVALUE xTop,
                                             D3DVALUE yTop, D3DVALUE zTop, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetRolloffFactor(D3DVALUE factor, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply) override;
    HRESULT STDMETHODCALLTYPE CommitDeferredSettings() override;

private:
    IUnknown& m_outer;
    CommitFunction m_commit;
    void* m_context;
    DS3DLISTENER m_applied;
    DS3DLISTENER m_deferred;
};
