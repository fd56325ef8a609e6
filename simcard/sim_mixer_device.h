#pragma once
// The simulated card's mixer devices. They answer the eight mixer functions with
// the records a driver fills, keep their values per control and channel, post
// control-change messages to every open handle's callback window, move their
// peak meters, and keep their values across runs. Like one driver serving every
// program, simulations that keep their values under the same key share them: a
// read takes the stored values, and a set reaches the open handles of every
// process (through a hidden window per process that relays the change).

#include "mixer/mixer_functions.h"
#include "simcard/sim_mixer_layout.h"
#include "simcard/sim_mixer_store.h"

#include <map>
#include <memory>
#include <vector>

class SimMixerDevices {
public:
    SimMixerDevices();
    ~SimMixerDevices();
    SimMixerDevices(const SimMixerDevices&) = delete;
    SimMixerDevices& operator=(const SimMixerDevices&) = delete;

    // Replaces every device (and forgets open handles); values come from the store.
    void SetDevices(const std::vector<SimMixerLayout>& layouts);
    size_t DeviceCount() const { return m_devices.size(); }
    SimMixerStore& Store() { return m_store; }

    // What another program would do: sets a control and posts the change message.
    bool SetFromOutside(UINT device, DWORD controlId, const std::vector<LONG>& values);
    // The values the card holds (channel-major, items within a channel).
    bool Values(UINT device, DWORD controlId, std::vector<LONG>& values) const;
    // Fixes the levels a peak meter reads (one per channel); an empty list lets it move again.
    bool SetMeterLevels(UINT device, DWORD controlId, const std::vector<LONG>& levels);
    size_t OpenHandleCount() const { return m_handles.size(); }

    // The eight mixer functions, answered by this simulation.
    static const MixerFunctions& Functions();

    // The simulation the functions answer from; set by the simulated card.
    static void SetActive(SimMixerDevices* devices);

    UINT GetNumDevs() const;
    MMRESULT GetDevCaps(UINT_PTR id, MIXERCAPSA* caps, UINT size) const;
    MMRESULT Open(HMIXER* handle, UINT id, DWORD_PTR callback, DWORD flags);
    MMRESULT Close(HMIXER handle);
    MMRESULT GetLineInfo(HMIXEROBJ object, MIXERLINEA* line, DWORD flags) const;
    MMRESULT GetLineControls(HMIXEROBJ object, MIXERLINECONTROLSA* request, DWORD flags) const;
    MMRESULT GetControlDetails(HMIXEROBJ object, MIXERCONTROLDETAILS* request, DWORD flags) const;
    MMRESULT SetControlDetails(HMIXEROBJ object, MIXERCONTROLDETAILS* request, DWORD flags);

private:
    struct Device;
    struct Control;
    struct OpenHandle {
        UINT device;
        HWND window;
    };

    MMRESULT Resolve(HMIXEROBJ object, DWORD flags, const Device*& device) const;
    UINT IndexOf(const Device* device) const;
    // Takes the values another process may have stored since.
    void Refresh(UINT deviceIndex, const Control& control) const;
    bool Store(UINT deviceIndex, Control& control, const LONG* values, DWORD channels);
    void PostChange(UINT device, DWORD controlId) const;
    // The relay window of this process, created with the first handle that has a
    // callback window (on that handle's thread); other processes post changes to it.
    void EnsureRelay();
    void DestroyRelay();
    void TellOtherProcesses(UINT device, DWORD controlId) const;
    static LRESULT CALLBACK RelayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<std::unique_ptr<Device>> m_devices;
    std::map<HMIXER, OpenHandle> m_handles;
    UINT_PTR m_nextHandle;
    SimMixerStore m_store;
    HWND m_relay;
};
