#pragma once
// The simulated card's sound system: its sound devices, the DirectSound objects and
// buffers it hands out through the sound-system seam, and what the buffers play,
// mixed per device into one channel per speaker position. Time moves only when a
// test renders. Faults on demand: a failing creation, a failing start, buffers that
// lose their memory.

#include "platform/direct_sound_functions.h"
#include "simcard/sim_sound_output.h"

#include <string>
#include <vector>

class SimDirectSound;
class SimSoundBuffer;

struct SimSoundDevice {
    GUID guid = {};
    std::string description;
    std::string module;
    bool acceptsMultichannel = true;               // takes the multichannel primary format
    DWORD speakerConfiguration = DSSPEAKER_STEREO; // kept across objects, as the system keeps it
};

class SimSoundSystem {
public:
    // The card's machine: another sound device (the default) and the card's own.
    SimSoundSystem();
    ~SimSoundSystem();
    SimSoundSystem(const SimSoundSystem&) = delete;
    SimSoundSystem& operator=(const SimSoundSystem&) = delete;

    static std::vector<SimSoundDevice> CardMachineDevices();
    // The first device is the default one. Objects that still live stop reporting
    // to the system (their device may be gone).
    void SetDevices(std::vector<SimSoundDevice> devices);
    size_t DeviceCount() const { return m_devices.size(); }
    SimSoundDevice& Device(size_t index) { return m_devices[index]; }
    int DeviceIndex(const GUID& guid) const;

    // Faults.
    void FailCreate(HRESULT status) { m_createFault = status; }
    void FailNextPlay(HRESULT status) { m_playFault = status; }
    // The live secondary buffer that sounds on exactly these speakers loses its
    // memory; Restore gives it back at the restoredAtTry-th call (0: never).
    bool LoseBuffer(DWORD speakers, int restoredAtTry);

    // What happened.
    int CreatedObjects() const { return m_createdObjects; }
    int LiveObjects() const { return static_cast<int>(m_objects.size()); }
    int CreatedBuffers() const { return m_createdBuffers; }
    int LiveBuffers() const;
    // The device each object was created for, as asked (the null GUID for the default).
    const std::vector<GUID>& CreationLog() const { return m_creationLog; }
    int RestoreCalls() const { return m_restoreCalls; }
    std::vector<SimSoundBuffer*> LiveSecondaryBuffers() const;
    SimSoundBuffer* BufferOn(DWORD speakers) const;
    // Speakers of every secondary buffer that plays.
    DWORD PlayingSpeakers() const;
    SimDirectSound* LiveObject(size_t index) const { return m_objects[index]; }

    // Moves time on by frames of the output rate; every device's output gets them.
    void Render(DWORD frames);
    SimSoundOutput& Output(size_t device) { return m_outputs[device]; }

    // The seam's functions, with DirectSound's behaviour.
    HRESULT Create(LPCGUID device, LPDIRECTSOUND* sound, LPUNKNOWN outer);
    HRESULT Enumerate(LPDSENUMCALLBACKA callback, LPVOID context);

    // For the objects.
    void ObjectGone(SimDirectSound* object);
    void BufferCreated() { ++m_createdBuffers; }
    HRESULT TakePlayFault();
    void CountRestore() { ++m_restoreCalls; }

private:
    void DetachObjects();

    std::vector<SimSoundDevice> m_devices;
    std::vector<SimSoundOutput> m_outputs;
    std::vector<SimDirectSound*> m_objects;
    std::vector<GUID> m_creationLog;
    HRESULT m_createFault = DS_OK;
    HRESULT m_playFault = DS_OK;
    int m_createdObjects = 0;
    int m_createdBuffers = 0;
    int m_restoreCalls = 0;
};

// Makes the sound-system seam talk to a simulated sound system while an instance
// lives; what was installed before comes back afterwards.
class SimSoundInstallation {
public:
    explicit SimSoundInstallation(SimSoundSystem& system);
    ~SimSoundInstallation();
    SimSoundInstallation(const SimSoundInstallation&) = delete;
    SimSoundInstallation& operator=(const SimSoundInstallation&) = delete;

private:
    SimSoundSystem* m_previousSystem;
    DirectSoundFunctions m_previousFunctions;
};

// Installs the sound system for the rest of the process (the start-up switch).
void InstallSimSoundSystemForProcess(SimSoundSystem& system);
