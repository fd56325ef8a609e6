#include "mixer/wss_mixer.h"

#include "mixer/mixer_functions.h"

#include <cstdio>
#include <cstring>

namespace {

const char kWindowClass[] = "HalvardWssMixerCallback";
const char kWindowTitle[] = "wss cb";
const char kWindowError[] = "Error creating Callback Window Handle";
const char kNotFoundFormat[] = "The specified audio mixer device could not be found:\n\n\t%s";
const char kNotOpenedFormat[] = "The specified audio mixer device could not be opened:\n\n\t%s\n";

// Counts beyond these are broken reports; they are cut down to what can be held.
constexpr DWORD kMaxDestinations = 64;
constexpr DWORD kMaxSources = 256;
constexpr DWORD kMaxControls = 1024;

void ShowDeviceError(const char* format, const char* productName)
{
    char text[512];
    std::snprintf(text, sizeof(text), format, productName != nullptr ? productName : "");
    MessageBoxA(nullptr, text, nullptr, MB_OK | MB_ICONSTOP);
}

bool RegisterCallbackClass(WNDPROC procedure)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HMIXEROBJ Object(HMIXER mixer)
{
    return reinterpret_cast<HMIXEROBJ>(mixer);
}

} // namespace

CWssMixer::CWssMixer()
    : m_callbackWindow(nullptr), m_mixer(nullptr), m_meterTimer(0), m_unreadableLines(0)
{
}

CWssMixer::~CWssMixer()
{
    StopMeterTimer();
    if (m_mixer != nullptr)
        MixerApi().close(m_mixer);
    if (m_callbackWindow != nullptr) {
        SetWindowLongPtrA(m_callbackWindow, GWLP_USERDATA, 0);
        DestroyWindow(m_callbackWindow);
    }
}

bool CWssMixer::CreateCallbackWindow()
{
    if (!RegisterCallbackClass(&CWssMixer::CallbackProc))
        return false;
    m_callbackWindow = CreateWindowExA(0, kWindowClass, kWindowTitle, WS_OVERLAPPEDWINDOW,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                       nullptr, nullptr, GetModuleHandleA(nullptr), this);
    return m_callbackWindow != nullptr;
}

LRESULT CALLBACK CWssMixer::CallbackProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    CWssMixer* self = reinterpret_cast<CWssMixer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr) {
        if (message == MM_MIXM_CONTROL_CHANGE && self->m_mixer != nullptr &&
            reinterpret_cast<HMIXER>(wParam) == self->m_mixer) {
            self->NotifyControl(static_cast<DWORD>(lParam), false);
            return 0;
        }
        if (message == WM_TIMER && wParam == MIXER_TIMER_ID) {
            self->PollMeters();
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool CWssMixer::ChooseDevice(const char* productName, WORD manufacturerId, WORD productId, UINT& device)
{
    const UINT count = MixerApi().getNumDevs();
    for (UINT index = 0; index < count; ++index) {
        MIXERCAPSA caps = {};
        if (MixerApi().getDevCaps(index, &caps, sizeof(caps)) != MMSYSERR_NOERROR)
            continue;
        caps.szPname[MAXPNAMELEN - 1] = '\0';
        if ((productName == nullptr || std::strcmp(caps.szPname, productName) == 0) &&
            (manufacturerId == 0 || manufacturerId == caps.wMid) &&
            (productId == 0 || productId == caps.wPid)) {
            m_caps = caps;
            device = index;
            return true;
        }
    }
    if (count != 0)
        ShowDeviceError(kNotFoundFormat, productName);
    return false;
}

bool CWssMixer::Open(const char* productName, WORD manufacturerId, WORD productId)
{
    if (m_callbackWindow == nullptr && !CreateCallbackWindow())
        MessageBoxA(nullptr, kWindowError, nullptr, MB_OK);
    ClearDestinations();
    m_unreadableLines = 0;

    UINT device = 0;
    if (!ChooseDevice(productName, manufacturerId, productId, device))
        return false;
    // A handle left from an earlier open is closed rather than leaked.
    if (m_mixer != nullptr) {
        MixerApi().close(m_mixer);
        m_mixer = nullptr;
    }
    const DWORD callbackKind = m_callbackWindow != nullptr ? CALLBACK_WINDOW : CALLBACK_NULL;
    if (MixerApi().open(&m_mixer, device, reinterpret_cast<DWORD_PTR>(m_callbackWindow), 0,
                        callbackKind) != MMSYSERR_NOERROR) {
        m_mixer = nullptr;
        ShowDeviceError(kNotOpenedFormat, productName);
        return false;
    }

    const DWORD destinations = m_caps.cDestinations < kMaxDestinations ? m_caps.cDestinations : kMaxDestinations;
    for (DWORD d = 0; d < destinations; ++d) {
        m_destinations.push_back(std::make_unique<MixerLineEntry>());
        MixerLineEntry& destination = *m_destinations.back();
        if (!ReadLine(destination, d, 0, MIXER_GETLINEINFOF_DESTINATION) || destination.IsHidden())
            continue;
        EnterLine(destination);
        ReadControls(destination);
        if (destination.line.cConnections > kMaxSources)
            destination.line.cConnections = kMaxSources;
        for (DWORD s = 0; s < destination.line.cConnections; ++s) {
            destination.sources.push_back(std::make_unique<MixerLineEntry>());
            MixerLineEntry& source = *destination.sources.back();
            if (!ReadLine(source, d, s, MIXER_GETLINEINFOF_SOURCE) || source.IsHidden())
                continue;
            EnterLine(source);
            ReadControls(source);
        }
    }
    return true;
}

bool CWssMixer::ReadLine(MixerLineEntry& entry, DWORD destination, DWORD source, DWORD flags)
{
    MIXERLINEA& line = entry.line;
    line = MIXERLINEA();
    line.cbStruct = sizeof(MIXERLINEA);
    line.dwDestination = destination;
    line.dwSource = source;
    if (MixerApi().getLineInfo(Object(m_mixer), &line, flags) != MMSYSERR_NOERROR) {
        // Nothing the device wrote can be trusted: keep only the position, hidden.
        line = MIXERLINEA();
        line.cbStruct = sizeof(MIXERLINEA);
        line.dwDestination = destination;
        line.dwSource = source;
        line.dwUser = LINE_HIDDEN;
        ++m_unreadableLines;
        return false;
    }
    line.szShortName[MIXER_SHORT_NAME_CHARS - 1] = '\0';
    line.szName[MIXER_LONG_NAME_CHARS - 1] = '\0';
    line.Target.szPname[MAXPNAMELEN - 1] = '\0';
    if (std::memcmp(line.szShortName, "NA", 3) == 0) {
        line.cControls = 0;
        line.dwUser |= LINE_HIDDEN;
    }
    return true;
}

void CWssMixer::ReadControls(MixerLineEntry& line)
{
    const DWORD count = line.line.cControls;
    if (count == 0)
        return;
    std::vector<MIXERCONTROLA> reported(count > kMaxControls ? 0 : count);
    for (MIXERCONTROLA& control : reported)
        control.cbStruct = sizeof(MIXERCONTROLA);
    MIXERLINECONTROLSA request = {};
    request.cbStruct = sizeof(MIXERLINECONTROLSA);
    request.dwLineID = line.line.dwLineID;
    request.cControls = count;
    request.cbmxctrl = sizeof(MIXERCONTROLA);
    request.pamxctrl = reported.data();
    if (reported.empty() ||
        MixerApi().getLineControls(Object(m_mixer), &request, MIXER_GETLINECONTROLSF_ALL) != MMSYSERR_NOERROR) {
        // The line stays, without controls, so that nobody indexes past its table.
        line.line.cControls = 0;
        return;
    }
    for (const MIXERCONTROLA& control : reported) {
        line.controls.push_back(std::make_unique<MixerControlEntry>());
        MixerControlEntry& entry = *line.controls.back();
        const bool handled = entry.Setup(control, line.line.cChannels);
        if (entry.control.dwControlType == 0)
            continue;
        EnterControl(entry);
        if (handled) {
            GetDetails(entry);
            GetListText(entry);
        }
    }
}

MixerLineEntry* CWssMixer::DestinationAt(int destination)
{
    if (destination < 0 || static_cast<size_t>(destination) >= m_destinations.size())
        return nullptr;
    return m_destinations[destination].get();
}

MixerLineEntry* CWssMixer::LineAt(int destination, int source)
{
    MixerLineEntry* line = DestinationAt(destination);
    if (line == nullptr || source < 0)
        return source == -1 ? line : nullptr;
    if (static_cast<size_t>(source) >= line->sources.size())
        return nullptr;
    return line->sources[source].get();
}

int CWssMixer::GetDestinationCount()
{
    return static_cast<int>(m_destinations.size());
}

const char* CWssMixer::GetDestinationName(int destination)
{
    const MixerLineEntry* line = DestinationAt(destination);
    return line != nullptr ? line->line.szName : "";
}

// The source table holds as many entries as the destination reported sources,
// except for destinations whose sources were never read (hidden ones).
int CWssMixer::GetSourceCount(int destination)
{
    const MixerLineEntry* line = DestinationAt(destination);
    return line != nullptr ? static_cast<int>(line->sources.size()) : 0;
}

bool CWssMixer::GetLine(int destination, int source, MixerLineEntry*& line)
{
    MixerLineEntry* found = LineAt(destination, source);
    if (found == nullptr)
        return false;
    line = found;
    return true;
}

bool CWssMixer::GetDestination(int destination, MixerLineEntry*& line)
{
    return GetLine(destination, -1, line);
}

bool CWssMixer::GetDestinationControl(int destination, int control, MixerControlEntry*& entry)
{
    return GetControl(destination, -1, control, entry);
}

bool CWssMixer::GetControl(int destination, int source, int control, MixerControlEntry*& entry)
{
    MixerLineEntry* line = LineAt(destination, source);
    if (line == nullptr || control < 0 || static_cast<size_t>(control) >= line->controls.size())
        return false;
    entry = line->controls[control].get();
    return true;
}

bool CWssMixer::SetDetails(MixerControlEntry& entry)
{
    if (!entry.HasValues())
        return false;
    return MixerApi().setControlDetails(Object(m_mixer), &entry.valueRequest,
                                        MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

bool CWssMixer::GetDetails(MixerControlEntry& entry)
{
    if (!entry.HasValues())
        return false;
    return MixerApi().getControlDetails(Object(m_mixer), &entry.valueRequest,
                                        MIXER_GETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

bool CWssMixer::GetListText(MixerControlEntry& entry)
{
    if (!(entry.kind & VK_ITEMNAMES))
        return false;
    const bool read = MixerApi().getControlDetails(Object(m_mixer), &entry.listTextRequest,
                                                   MIXER_GETCONTROLDETAILSF_LISTTEXT) == MMSYSERR_NOERROR;
    entry.TerminateItemNames();
    return read;
}

bool CWssMixer::AddListener(DWORD controlId, CMixerListener* listener)
{
    const bool added = CMixerDevice::AddListener(controlId, listener);
    if (added && m_meterTimer == 0 && !m_metersPaused && HasMeterListeners())
        StartMeterTimer();
    return added;
}

void CWssMixer::PauseMeterPolling(bool paused)
{
    m_metersPaused = paused;
    if (paused)
        StopMeterTimer();
    else if (m_meterTimer == 0 && HasMeterListeners())
        StartMeterTimer();
}

bool CWssMixer::RemoveListener(DWORD controlId, CMixerListener* listener)
{
    const bool removed = CMixerDevice::RemoveListener(controlId, listener);
    if (removed && m_meterTimer != 0 && !HasMeterListeners())
        StopMeterTimer();
    return removed;
}

void CWssMixer::StartMeterTimer()
{
    if (m_callbackWindow != nullptr)
        m_meterTimer = SetTimer(m_callbackWindow, MIXER_TIMER_ID, kMixerTimerPeriodMs, nullptr);
}

void CWssMixer::StopMeterTimer()
{
    if (m_meterTimer != 0)
        KillTimer(m_callbackWindow, m_meterTimer);
    m_meterTimer = 0;
}
