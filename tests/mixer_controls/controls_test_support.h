#pragma once
// What the tests of the mixer-bound controls share: the simulated card with a mixer
// that keeps every buffer it writes, a second handle on the same device for changes
// made from outside (as another program makes them), a skinned dialog holding the
// controls, and small layouts to build faders from.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

#include "mixer/controls/mixer_change_notify.h"
#include "mixer/wss_mixer.h"
#include "platform/dialog_template.h"
#include "skin/containers/cool_dialog.h"
#include "support/message_pump.h"
#include "support/sim_card_test.h"

// Rectangles compared and printed by the checks.
inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}

class RecordingMixer : public CWssMixer {
public:
    struct Write {
        DWORD controlId;
        std::vector<LONG> values;
    };
    bool SetDetails(MixerControlEntry& entry) override;
    // Every registration in both listener tables.
    size_t RegistrationCount() const;

    std::vector<Write> writes;
};

// A skinned dialog at the screen's top left that keeps what its controls tell it.
class HostDialog : public CCoolDialog {
public:
    HostDialog();
    ~HostDialog() override;

    std::vector<MixerChangeNotify> changes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CDialogTemplate m_template;
};

class ControlsTest : public SimCardTest {
protected:
    void TearDown() override;
    // Installs the card, opens the mixer and the outside handle, shows the host.
    void Start(const SimMixerLayout& layout);
    void StartModel(SimCardModel model);

    RecordingMixer& Mixer() { return *m_mixer; }
    CWssMixer& Outside() { return *m_outside; }
    HostDialog& Host() { return *m_host; }
    std::vector<LONG> DeviceValues(DWORD controlId);
    // Line ID and control ID of the first control of a type on a line named so.
    DWORD LineOf(const char* shortName);
    DWORD ControlOf(const char* shortName, DWORD type);

private:
    void OpenAll();

    std::unique_ptr<RecordingMixer> m_mixer;
    std::unique_ptr<CWssMixer> m_outside;
    std::unique_ptr<HostDialog> m_host;
};

// A fader control of the given bounds and steps.
SimControl FaderControl(LONG minimum, LONG maximum, DWORD steps);
SimLine LineWith(const char* name, DWORD channels, std::vector<SimControl> controls);
// A device with one playback destination "Volume Control" (a volume on its own line)
// and the given sources.
SimMixerLayout PlaybackLayout(std::vector<SimLine> sources);
