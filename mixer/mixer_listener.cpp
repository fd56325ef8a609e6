#include "mixer/mixer_listener.h"

#include "mixer/mixer_device.h"

CMixerListener::CMixerListener()
    : m_lineId(0), m_controlId(0), m_control(), m_mixer(nullptr)
{
}

CMixerListener::~CMixerListener() { Unbind(); }

bool CMixerListener::Initialize()
{
    return true;
}

void CMixerListener::Bind(CMixerDevice* mixer, DWORD lineId, DWORD controlId)
{
    Unbind();
    m_mixer = mixer;
    m_controlId = controlId;
    m_lineId = lineId;
    Initialize();
}

bool CMixerListener::Listen(DWORD controlId)
{
    if (m_mixer == nullptr || !m_mixer->AddListener(controlId, this))
        return false;
    m_registrations.push_back(controlId);
    return true;
}

void CMixerListener::Unbind()
{
    StopListening();
    m_mixer = nullptr;
    m_controlId = 0;
    m_lineId = 0;
}

void CMixerListener::StopListening()
{
    // Taken out first: a removal may call back into this listener.
    std::vector<DWORD> registrations;
    registrations.swap(m_registrations);
    if (m_mixer != nullptr)
        for (DWORD controlId : registrations)
            m_mixer->RemoveListener(controlId, this);
}

void CMixerListener::ForgetMixer(const CMixerDevice* mixer)
{
    if (m_mixer != mixer)
        return;
    m_registrations.clear();
    m_mixer = nullptr;
}
