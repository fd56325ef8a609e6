#include "mixer/mixer_listener.h"

#include "mixer/mixer_device.h"

CMixerListener::CMixerListener()
    : m_lineId(0), m_controlId(0), m_control(), m_mixer(nullptr)
{
}

bool CMixerListener::Initialize()
{
    return true;
}

void CMixerListener::Bind(CMixerDevice* mixer, DWORD lineId, DWORD controlId)
{
    if (m_mixer != nullptr && m_controlId != 0)
        m_mixer->RemoveListener(m_controlId, this);
    m_mixer = mixer;
    m_controlId = controlId;
    m_lineId = lineId;
    Initialize();
}
