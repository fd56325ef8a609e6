#include "simcard/sim_sound_system.h"

#include "simcard/sim_direct_sound.h"
#include "simcard/sim_sound_buffer.h"

#include <algorithm>

namespace {

SimSoundSystem* g_installed = nullptr;

HRESULT WINAPI SimCreate(LPCGUID device, LPDIRECTSOUND* sound, LPUNKNOWN outer)
{
    if (g_installed == nullptr) {
        if (sound != nullptr)
            *sound = nullptr;
        return DSERR_NODRIVER;
    }
    return g_installed->Create(device, sound, outer);
}

HRESULT WINAPI SimEnumerate(LPDSENUMCALLBACKA callback, LPVOID context)
{
    return g_installed != nullptr ? g_installed->Enumerate(callback, context) : DS_OK;
}

const DirectSoundFunctions& SimFunctions()
{
    static const DirectSoundFunctions functions = {&SimCreate, &SimEnumerate};
    return functions;
}

bool IsDefaultDevice(LPCGUID device)
{
    return device == nullptr || *device == kNullGuid || *device == kDefaultPlaybackDevice;
}

} // namespace

SimSoundSystem::SimSoundSystem() { SetDevices(CardMachineDevices()); }

SimSoundSystem::~SimSoundSystem()
{
    // Objects the panel still holds outlive the system; they stop reporting to it.
    DetachObjects();
    if (g_installed == this)
        g_installed = nullptr;
}

std::vector<SimSoundDevice> SimSoundSystem::CardMachineDevices()
{
    SimSoundDevice onboard;
    onboard.guid = {0x5D3A7C10, 0x2B41, 0x4C8E, {0x9A, 0x11, 0x30, 0x52, 0x7E, 0x61, 0x08, 0x01}};
    onboard.description = "Onboard Audio";
    onboard.module = "onboard.sys";
    // The card's wave device carries the product name, as its mixer does.
    SimSoundDevice card;
    card.guid = {0x5D3A7C10, 0x2B41, 0x4C8E, {0x9A, 0x11, 0x30, 0x52, 0x7E, 0x61, 0x08, 0x02}};
    card.description = "Halvard 5.1+ Wave";
    card.module = "dizuda.sys";
    return {onboard, card};
}

void SimSoundSystem::DetachObjects()
{
    for (SimDirectSound* object : m_objects)
        object->Detach();
    m_objects.clear();
}

void SimSoundSystem::SetDevices(std::vector<SimSoundDevice> devices)
{
    DetachObjects();
    m_devices = std::move(devices);
    m_outputs.assign(m_devices.size(), SimSoundOutput());
}

int SimSoundSystem::DeviceIndex(const GUID& guid) const
{
    for (size_t index = 0; index < m_devices.size(); ++index) {
        if (m_devices[index].guid == guid)
            return static_cast<int>(index);
    }
    return -1;
}

bool SimSoundSystem::LoseBuffer(DWORD speakers, int restoredAtTry)
{
    SimSoundBuffer* buffer = BufferOn(speakers);
    if (buffer == nullptr)
        return false;
    buffer->Lose(restoredAtTry);
    return true;
}

int SimSoundSystem::LiveBuffers() const
{
    int count = 0;
    for (const SimDirectSound* object : m_objects)
        count += static_cast<int>(object->Buffers().size());
    return count;
}

std::vector<SimSoundBuffer*> SimSoundSystem::LiveSecondaryBuffers() const
{
    std::vector<SimSoundBuffer*> buffers;
    for (const SimDirectSound* object : m_objects) {
        for (SimSoundBuffer* buffer : object->Buffers()) {
            if (!buffer->IsPrimary())
                buffers.push_back(buffer);
        }
    }
    return buffers;
}

SimSoundBuffer* SimSoundSystem::BufferOn(DWORD speakers) const
{
    for (SimSoundBuffer* buffer : LiveSecondaryBuffers()) {
        if (buffer->Speakers() == speakers)
            return buffer;
    }
    return nullptr;
}

DWORD SimSoundSystem::PlayingSpeakers() const
{
    DWORD speakers = 0;
    for (const SimSoundBuffer* buffer : LiveSecondaryBuffers()) {
        if (buffer->IsPlaying())
            speakers |= buffer->Speakers();
    }
    return speakers;
}

void SimSoundSystem::Render(DWORD frames)
{
    for (size_t device = 0; device < m_devices.size(); ++device) {
        std::vector<int32_t> mixed(static_cast<size_t>(frames) * SimSoundOutput::kChannels, 0);
        for (SimDirectSound* object : m_objects) {
            if (object->Device() != device)
                continue;
            for (SimSoundBuffer* buffer : object->Buffers())
                buffer->MixInto(mixed, frames, SimSoundOutput::kRate);
        }
        m_outputs[device].Append(mixed);
    }
}

HRESULT SimSoundSystem::Create(LPCGUID device, LPDIRECTSOUND* sound, LPUNKNOWN outer)
{
    if (sound == nullptr)
        return DSERR_INVALIDPARAM;
    *sound = nullptr;
    if (outer != nullptr)
        return DSERR_NOAGGREGATION;
    if (FAILED(m_createFault))
        return m_createFault;
    const int index = IsDefaultDevice(device) ? (m_devices.empty() ? -1 : 0) : DeviceIndex(*device);
    if (index < 0)
        return DSERR_NODRIVER;
    m_creationLog.push_back(device != nullptr ? *device : kNullGuid);
    ++m_createdObjects;
    SimDirectSound* object = new SimDirectSound(*this, static_cast<size_t>(index));
    m_objects.push_back(object);
    *sound = object;
    return DS_OK;
}

HRESULT SimSoundSystem::Enumerate(LPDSENUMCALLBACKA callback, LPVOID context)
{
    if (callback == nullptr)
        return DSERR_INVALIDPARAM;
    if (m_devices.empty())
        return DS_OK;
    // The default device comes first, without a GUID.
    if (!callback(nullptr, "Primary Sound Driver", "", context))
        return DS_OK;
    for (const SimSoundDevice& device : m_devices) {
        GUID guid = device.guid;
        if (!callback(&guid, device.description.c_str(), device.module.c_str(), context))
            break;
    }
    return DS_OK;
}

void SimSoundSystem::ObjectGone(SimDirectSound* object)
{
    m_objects.erase(std::remove(m_objects.begin(), m_objects.end(), object), m_objects.end());
}

HRESULT SimSoundSystem::TakePlayFault()
{
    const HRESULT fault = m_playFault;
    m_playFault = DS_OK;
    return fault;
}

SimSoundInstallation::SimSoundInstallation(SimSoundSystem& system)
    : m_previousSystem(g_installed), m_previousFunctions(DirectSoundApi())
{
    g_installed = &system;
    SetDirectSoundFunctions(SimFunctions());
}

SimSoundInstallation::~SimSoundInstallation()
{
    g_installed = m_previousSystem;
    SetDirectSoundFunctions(m_previousFunctions);
}

void InstallSimSoundSystemForProcess(SimSoundSystem& system)
{
    g_installed = &system;
    SetDirectSoundFunctions(SimFunctions());
}
