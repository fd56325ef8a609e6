#pragma once
// The Windows multimedia mixer device: chooses and opens a mixer, reads its lines
// and controls into the model, reads and writes values, and turns the system's
// change messages and a meter timer into listener notifications.

#include "mixer/mixer_device.h"

constexpr UINT_PTR MIXER_TIMER_ID = 777;
constexpr UINT kMixerTimerPeriodMs = 50;

class CWssMixer : public CMixerDevice {
public:
    CWssMixer();
    ~CWssMixer() override;

    bool Open(const char* productName, WORD manufacturerId, WORD productId) override;
    int GetDestinationCount() override;
    const char* GetDestinationName(int destination) override;
    int GetSourceCount(int destination) override;
    bool GetLine(int destination, int source, MixerLineEntry*& line) override;
    bool GetDestination(int destination, MixerLineEntry*& line) override;
    bool GetDestinationControl(int destination, int control, MixerControlEntry*& entry) override;
    bool GetControl(int destination, int source, int control, MixerControlEntry*& entry) override;
    bool SetDetails(MixerControlEntry& entry) override;
    bool GetDetails(MixerControlEntry& entry) override;
    bool GetListText(MixerControlEntry& entry) override;
    bool AddListener(DWORD controlId, CMixerListener* listener) override;
    bool RemoveListener(DWORD controlId, CMixerListener* listener) override;

    HWND CallbackWindow() const { return m_callbackWindow; }
    HMIXER Handle() const { return m_mixer; }
    UINT_PTR MeterTimer() const { return m_meterTimer; }
    // While paused (nothing of the panel is on the screen) the meters are not polled,
    // also when meter listeners come or go; resuming polls again if any listen.
    void PauseMeterPolling(bool paused);
    bool IsMeterPollingPaused() const { return m_metersPaused; }
    // Lines that the device reported but could not describe; they are hidden.
    int UnreadableLineCount() const { return m_unreadableLines; }

private:
    static LRESULT CALLBACK CallbackProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateCallbackWindow();
    bool ChooseDevice(const char* productName, WORD manufacturerId, WORD productId, UINT& device);
    // Reads one line; false when the device could not describe it (the line is then hidden).
    bool ReadLine(MixerLineEntry& entry, DWORD destination, DWORD source, DWORD flags);
    void ReadControls(MixerLineEntry& line);
    MixerLineEntry* DestinationAt(int destination);
    MixerLineEntry* LineAt(int destination, int source);
    void StartMeterTimer();
    void StopMeterTimer();

    HWND m_callbackWindow;
    HMIXER m_mixer;
    UINT_PTR m_meterTimer;
    int m_unreadableLines;
    bool m_metersPaused = false;
};
