#pragma once
// The interface of every user-interface control bound to one mixer control.
//
// A listener registers itself with Listen (from Initialize) and every registration
// made that way ends with Unbind, which the destructor calls: a control destroyed
// with its page leaves nothing behind in the model's tables.

#include <windows.h>
#include <mmsystem.h>

#include <vector>

class CMixerDevice;

class CMixerListener {
public:
    CMixerListener(const CMixerListener&) = delete;
    CMixerListener& operator=(const CMixerListener&) = delete;

    // The bound control changed; refresh: its description may have changed too.
    virtual void OnControlChange(DWORD controlId, bool refresh) = 0;
    // fromMixer true: read the mixer and show the value; false: write the shown value.
    virtual bool Update(bool fromMixer) = 0;
    // Rebuild from the model; controls register themselves here.
    virtual bool Initialize();

    // Binds to a control of a mixer, leaving an earlier binding first.
    void Bind(CMixerDevice* mixer, DWORD lineId, DWORD controlId);
    // Ends every registration made with Listen and forgets the binding.
    void Unbind();
    // Ends every registration made with Listen; the binding stays, so a control
    // whose window goes can register again when it gets a new one.
    void StopListening();

    DWORD LineId() const { return m_lineId; }
    DWORD ControlId() const { return m_controlId; }
    CMixerDevice* Mixer() const { return m_mixer; }

protected:
    CMixerListener();
    // Listeners are never deleted through this interface: the model does not own them.
    ~CMixerListener();

    // Registers this listener with its mixer for a control (or a meter); Unbind
    // undoes it. False without a mixer.
    bool Listen(DWORD controlId);

    DWORD m_lineId;
    DWORD m_controlId;
    MIXERCONTROLA m_control;
    CMixerDevice* m_mixer;

private:
    friend class CMixerDevice;
    // The mixer is being destroyed: its tables go with it, so nothing is removed later.
    void ForgetMixer(const CMixerDevice* mixer);

    std::vector<DWORD> m_registrations;
};
