#pragma once
// The simulated card's driver: its device interface (none, one or two cards), the
// media devices the setup functions list, and the answers to every request of the
// driver channel, with real state, a request log and injectable faults.

#include "driver/card_requests.h"
#include "driver/device_functions.h"
#include "simcard/sim_card_model.h"
#include "simcard/sim_driver_state.h"

#include <windows.h>
#include <setupapi.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// NT status values the simulated driver answers with.
constexpr DWORD kSimStatusInvalidParameter = 0xC000000D;
constexpr DWORD kSimStatusInvalidRequest = 0xC0000010;
constexpr DWORD kSimStatusNotSupported = 0xC00000BB;

struct SimDriverRequest {
    DWORD controlCode = 0;
    DWORD code = 0;            // command or property; 0 for the other control codes
    DWORD_PTR arguments[4] = {}; // command arguments (whole), or value1 and value2 of a property
    DWORD inputLength = 0;
    DWORD status = 0;          // the status answered; none when the request was dropped
    bool answered = false;
    int card = -1;
    std::string keyPath;       // registry-write requests
    std::string valueName;
    std::string text;          // string data, or empty
};

// A device of the "MEDIA" class as the setup functions report it. The property
// texts are raw bytes: include the terminators the device should report.
struct SimMediaDevice {
    std::string hardwareId;
    std::string driver;
};

enum class SimSetupFault { None, ClassDevs, InterfaceDetail, Open };

class SimDriver {
public:
    explicit SimDriver(SimCardModel model = SimCardModel::Six);

    // The machine.
    void SetCardCount(int count) { m_cardCount = count; }
    int CardCount() const { return m_cardCount; }
    std::string DevicePath(int card) const;
    void SetMediaDevices(std::vector<SimMediaDevice> devices) { m_mediaDevices = std::move(devices); }
    static SimMediaDevice MatchingMediaDevice(const char* driverKey);
    void SetSetupFault(SimSetupFault fault) { m_setupFault = fault; }

    // The driver.
    SimDriverState& State() { return m_state; }
    void SetVoiceLimitKind(SimVoiceLimitKind kind) { m_state.wavetable.kind = kind; }
    // Answers the given status, without acting, to a command or property (code) or,
    // with code 0, to every request of the control code.
    void FailRequest(DWORD controlCode, DWORD code, DWORD status);
    // Requests of that control code never reach the driver: the call itself fails.
    void DropRequests(DWORD controlCode) { m_dropped.push_back(controlCode); }
    void ClearFaults();
    // How many bytes of the hardware information record the driver fills.
    void SetHardwareInfoAnswerBytes(DWORD bytes) { m_hardwareInfoBytes = bytes; }

    const std::vector<SimDriverRequest>& Log() const { return m_log; }
    void ClearLog() { m_log.clear(); }
    // Requests of a control code (and command or property, when not 0) in the log.
    int CountRequests(DWORD controlCode, DWORD code = 0) const;
    // Cards whose interface was opened, and interface indices the panel asked for.
    const std::vector<int>& OpenedCards() const { return m_openedCards; }
    const std::vector<DWORD>& InterfaceIndicesAsked() const { return m_interfaceIndices; }
    int OpenHandleCount() const { return static_cast<int>(m_handles.size()); }
    int OpenDeviceSetCount() const { return static_cast<int>(m_sets.size()); }

    // The seam's functions, with their Windows behaviour.
    HDEVINFO GetClassDevs(const GUID* classGuid, PCSTR enumerator, HWND parent, DWORD flags);
    BOOL EnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA device, const GUID* interfaceClass,
                              DWORD index, PSP_DEVICE_INTERFACE_DATA data);
    BOOL GetDeviceInterfaceDetail(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data,
                                  PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD detailSize,
                                  PDWORD requiredSize, PSP_DEVINFO_DATA device);
    BOOL DestroyDeviceInfoList(HDEVINFO set);
    BOOL ClassGuidsFromName(PCSTR className, LPGUID guids, DWORD guidCount, PDWORD requiredCount);
    BOOL EnumDeviceInfo(HDEVINFO set, DWORD index, PSP_DEVINFO_DATA device);
    BOOL GetDeviceRegistryProperty(HDEVINFO set, PSP_DEVINFO_DATA device, DWORD property,
                                   PDWORD type, PBYTE buffer, DWORD size, PDWORD requiredSize);
    HANDLE CreateFile(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                      DWORD disposition, DWORD attributes, HANDLE templateFile);
    BOOL DeviceIoControl(HANDLE device, DWORD controlCode, LPVOID input, DWORD inputLength,
                         LPVOID output, DWORD outputLength, LPDWORD returned,
                         LPOVERLAPPED overlapped);
    BOOL CloseHandle(HANDLE handle);

    bool OwnsHandle(HANDLE handle) const;
    bool OwnsDeviceSet(HDEVINFO set) const;

private:
    enum class SetKind { Interfaces, Media, Empty };

    DWORD Answer(DWORD controlCode, void* input, DWORD inputLength, SimDriverRequest& entry);
    DWORD HardwareOpen(void* input, DWORD inputLength);
    DWORD HardwareInformation(void* input, DWORD inputLength);
    DWORD Command(const CommandRequest& request);
    DWORD SpdifCommand(const CommandRequest& request);
    DWORD EffectCommand(const CommandRequest& request);
    DWORD EqualizerCommand(const CommandRequest& request);
    DWORD SpeakerCommand(const CommandRequest& request);
    DWORD Property(DWORD controlCode, PropertyRequest& request);
    DWORD RegistryWrite(const RegistryWriteRequest& request, SimDriverRequest& entry);
    bool FaultFor(DWORD controlCode, DWORD code, DWORD& status) const;
    DWORD MaximumVoices() const;

    int m_cardCount = 1;
    std::vector<SimMediaDevice> m_mediaDevices;
    SimSetupFault m_setupFault = SimSetupFault::None;
    SimDriverState m_state;
    std::map<std::pair<DWORD, DWORD>, DWORD> m_faults;
    std::vector<DWORD> m_dropped;
    DWORD m_hardwareInfoBytes;
    std::vector<SimDriverRequest> m_log;
    std::vector<int> m_openedCards;
    std::vector<DWORD> m_interfaceIndices;
    std::map<HANDLE, int> m_handles;      // open handle -> card
    std::map<HDEVINFO, SetKind> m_sets;   // open device sets
    DWORD m_nextHandle = 0;
};

// Makes the device seam talk to a simulated driver while an instance lives;
// what was installed before comes back afterwards.
class SimDriverInstallation {
public:
    explicit SimDriverInstallation(SimDriver& driver);
    ~SimDriverInstallation();
    SimDriverInstallation(const SimDriverInstallation&) = delete;
    SimDriverInstallation& operator=(const SimDriverInstallation&) = delete;

private:
    SimDriver* m_previousDriver;
    DeviceFunctions m_previousFunctions;
};

// Installs the driver for the rest of the process (the start-up switch).
void InstallSimDriverForProcess(SimDriver& driver);
