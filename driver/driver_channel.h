#pragma once
// The channel to the card's driver: the device handle and one operation per
// request kind. Each fills the request record, presets the status word and makes
// the call; the status word comes back (0 = success). A request that never reaches
// the driver leaves the preset value and so reads as a failure.

#include "driver/card_requests.h"

#include <windows.h>

// Finds the card's device interface (the first card only) and opens it; the
// invalid handle value when there is none or it cannot be opened.
HANDLE OpenCardDevice();

class CDriverChannel {
public:
    CDriverChannel() = default;
    ~CDriverChannel();
    CDriverChannel(const CDriverChannel&) = delete;
    CDriverChannel& operator=(const CDriverChannel&) = delete;

    // Takes over an opened device handle (closing one held before).
    void Attach(HANDLE device);
    void Close();
    HANDLE Handle() const { return m_device; }
    bool IsOpen() const { return m_device != INVALID_HANDLE_VALUE; }

    // Arguments are numbers or, through PointerArgument, whole addresses.
    DWORD SendCommand(DWORD command, DWORD_PTR first = 0, DWORD_PTR second = 0, DWORD_PTR third = 0,
                      DWORD_PTR fourth = 0);
    DWORD QueryProperty(DWORD property);
    // value1 and value2 receive what the driver wrote back (unchanged otherwise).
    DWORD GetProperty(DWORD property, DWORD& value1, DWORD& value2);
    DWORD SetProperty(DWORD property, DWORD value1, DWORD value2);
    // The driver writes the value below the local-machine root; its status is not used.
    void WriteRegistryNumber(const char* keyPath, const char* valueName, DWORD number);
    void WriteRegistryString(const char* keyPath, const char* valueName, const char* text);

    // The hardware open and information calls; false when either fails.
    bool ReadHardwareInfo(HardwareInfo& info);
    // Tells the driver its own registry key ("DriverKey" in the basics key), found
    // by the device class on systems of major version 4 and by the service's
    // device list on later ones. An empty key when none is found.
    void PublishDriverKey(DWORD majorVersion);

private:
    DWORD Call(DWORD controlCode, void* record, DWORD inputLength, DWORD presetStatus);
    void WriteRegistry(const char* keyPath, const char* valueName, DWORD kind, const void* data,
                       DWORD length);

    HANDLE m_device = INVALID_HANDLE_VALUE;
};

inline bool Succeeded(DWORD status) { return status == 0; }
