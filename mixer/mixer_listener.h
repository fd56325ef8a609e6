#pragma once
// The interface of every user-interface control bound to one mixer control.

#include <windows.h>
#include <mmsystem.h>

class CMixerDevice;

class CMixerListener {
public:
    // The bound control changed; refresh: its description may have changed too.
    virtual void OnControlChange(DWORD controlId, bool refresh) = 0;
    // fromMixer true: read the mixer and show the value; false: write the shown value.
    virtual bool Update(bool fromMixer) = 0;
    // Rebuild from the model; controls register themselves here.
    virtual bool Initialize();

    // Binds to a control of a mixer, leaving an earlier binding first.
    void Bind(CMixerDevice* mixer, DWORD lineId, DWORD controlId);

    DWORD LineId() const { return m_lineId; }
    DWORD ControlId() const { return m_controlId; }
    CMixerDevice* Mixer() const { return m_mixer; }

protected:
    CMixerListener();
    // Listeners are never deleted through this interface: the model does not own them.
    ~CMixerListener() = default;

    DWORD m_lineId;
    DWORD m_controlId;
    MIXERCONTROLA m_control;
    CMixerDevice* m_mixer;
};
