#include "simcard/sim_mixer_device.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

struct SimMixerDevices::Control {
    const SimControl* spec = nullptr;
    const SimDestination* destination = nullptr;
    DWORD lineChannels = 1;
    DWORD channels = 1;    // channels held: 1 for a uniform control
    DWORD items = 0;       // items filled (multiple-item controls), else 0
    DWORD reportedItems = 0;
    // Channel-major, items within a channel; refreshed from the store on every
    // read, since another process may have set them.
    mutable std::vector<LONG> values;
    std::vector<LONG> levels; // fixed meter levels

    DWORD Stride() const { return items != 0 ? items : 1; }
    bool IsMeter() const { return (spec->type & MIXERCONTROL_CT_CLASS_MASK) == MIXERCONTROL_CT_CLASS_METER; }
    bool IsMultiple() const { return (spec->flags & MIXERCONTROL_CONTROLF_MULTIPLE) != 0; }
};

struct SimMixerDevices::Device {
    struct LineRef {
        const SimLine* line;
        const SimDestination* destination;
        DWORD destinationIndex;
        DWORD sourceIndex;
        bool isDestination;
    };
    SimMixerLayout layout;
    std::map<DWORD, Control> controls;
    std::map<DWORD, LineRef> lines;
};

namespace {

SimMixerDevices* g_active = nullptr;
constexpr UINT_PTR kFirstHandle = 0x5A3D0000;
constexpr DWORD kFirstUnknownId = 0x10000; // below: device IDs; above: handles
constexpr DWORD kObjectTypeMask = 0xF0000000; // MIXER_OBJECTF_* of a flags word
// The relay windows: one per process, titled with the key its values are kept under.
constexpr const char* kRelayClass = "Halvard Simulated Mixer Relay";
constexpr const char* kRelayMessageName = "Halvard Simulated Mixer Change";

UINT RelayMessage()
{
    static const UINT message = RegisterWindowMessageA(kRelayMessageName);
    return message;
}

void CopyName(char* field, size_t size, const std::string& text, bool unterminated)
{
    if (!unterminated) {
        std::snprintf(field, size, "%s", text.c_str());
        return;
    }
    for (size_t i = 0; i < size; ++i)
        field[i] = i < text.size() ? text[i] : '#';
}

DWORD TargetType(const SimLine& line, bool isDestination)
{
    switch (line.componentType) {
    case MIXERLINE_COMPONENTTYPE_DST_SPEAKERS:
    case MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT:
        return MIXERLINE_TARGETTYPE_WAVEOUT;
    case MIXERLINE_COMPONENTTYPE_DST_WAVEIN:
        return MIXERLINE_TARGETTYPE_WAVEIN;
    case MIXERLINE_COMPONENTTYPE_SRC_SYNTHESIZER:
        return MIXERLINE_TARGETTYPE_MIDIOUT;
    default:
        return MIXERLINE_TARGETTYPE_UNDEFINED;
    }
}

// A level that moves like music: two slow waves over a faster one.
LONG MusicLevel(DWORD channel)
{
    const double t = GetTickCount() / 1000.0;
    const double level = std::fabs(std::sin(t * 7.0 + channel * 0.9)) * (0.55 + 0.45 * std::sin(t * 0.8 + channel));
    return static_cast<LONG>(32767.0 * std::min(1.0, std::max(0.0, level)));
}

LONG Bounded(const SimControl& spec, LONG value)
{
    switch (spec.type & MIXERCONTROL_CT_UNITS_MASK) {
    case MIXERCONTROL_CT_UNITS_BOOLEAN:
        return value != 0 ? 1 : 0;
    case MIXERCONTROL_CT_UNITS_UNSIGNED:
    case MIXERCONTROL_CT_UNITS_PERCENT: {
        const DWORD low = static_cast<DWORD>(spec.minimum);
        const DWORD high = static_cast<DWORD>(spec.maximum);
        return static_cast<LONG>(std::min(high, std::max(low, static_cast<DWORD>(value))));
    }
    default:
        return std::min(spec.maximum, std::max(spec.minimum, value));
    }
}

bool IsSingleSelect(DWORD type)
{
    return type == MIXERCONTROL_CONTROLTYPE_MUX || type == MIXERCONTROL_CONTROLTYPE_SINGLESELECT;
}

LONG& Entry(void* details, DWORD index, DWORD stride)
{
    return *reinterpret_cast<LONG*>(static_cast<BYTE*>(details) + static_cast<size_t>(index) * stride);
}

UINT WINAPI SimGetNumDevs()
{
    return g_active != nullptr ? g_active->GetNumDevs() : 0;
}

MMRESULT WINAPI SimGetDevCaps(UINT_PTR id, LPMIXERCAPSA caps, UINT size)
{
    return g_active != nullptr ? g_active->GetDevCaps(id, caps, size) : MMSYSERR_BADDEVICEID;
}

MMRESULT WINAPI SimOpen(LPHMIXER handle, UINT id, DWORD_PTR callback, DWORD_PTR, DWORD flags)
{
    return g_active != nullptr ? g_active->Open(handle, id, callback, flags) : MMSYSERR_BADDEVICEID;
}

MMRESULT WINAPI SimClose(HMIXER handle)
{
    return g_active != nullptr ? g_active->Close(handle) : MMSYSERR_INVALHANDLE;
}

MMRESULT WINAPI SimGetLineInfo(HMIXEROBJ object, LPMIXERLINEA line, DWORD flags)
{
    return g_active != nullptr ? g_active->GetLineInfo(object, line, flags) : MMSYSERR_INVALHANDLE;
}

MMRESULT WINAPI SimGetLineControls(HMIXEROBJ object, LPMIXERLINECONTROLSA request, DWORD flags)
{
    return g_active != nullptr ? g_active->GetLineControls(object, request, flags) : MMSYSERR_INVALHANDLE;
}

MMRESULT WINAPI SimGetControlDetails(HMIXEROBJ object, LPMIXERCONTROLDETAILS request, DWORD flags)
{
    return g_active != nullptr ? g_active->GetControlDetails(object, request, flags) : MMSYSERR_INVALHANDLE;
}

MMRESULT WINAPI SimSetControlDetails(HMIXEROBJ object, LPMIXERCONTROLDETAILS request, DWORD flags)
{
    return g_active != nullptr ? g_active->SetControlDetails(object, request, flags) : MMSYSERR_INVALHANDLE;
}

} // namespace

SimMixerDevices::SimMixerDevices() : m_nextHandle(kFirstHandle), m_relay(nullptr) {}

SimMixerDevices::~SimMixerDevices()
{
    if (g_active == this)
        g_active = nullptr;
    DestroyRelay();
}

const MixerFunctions& SimMixerDevices::Functions()
{
    static const MixerFunctions functions = {
        &SimGetNumDevs,  &SimGetDevCaps,          &SimOpen,
        &SimClose,       &SimGetLineInfo,         &SimGetLineControls,
        &SimGetControlDetails, &SimSetControlDetails,
    };
    return functions;
}

void SimMixerDevices::SetActive(SimMixerDevices* devices)
{
    g_active = devices;
}

void SimMixerDevices::SetDevices(const std::vector<SimMixerLayout>& layouts)
{
    m_handles.clear();
    m_devices.clear();
    for (UINT index = 0; index < layouts.size(); ++index) {
        m_devices.push_back(std::make_unique<Device>());
        Device& device = *m_devices.back();
        device.layout = layouts[index];
        for (DWORD d = 0; d < device.layout.destinations.size(); ++d) {
            const SimDestination& destination = device.layout.destinations[d];
            device.lines[SimDestinationLineId(d)] = {&destination.line, &destination, d, 0, true};
            for (DWORD s = 0; s < destination.sources.size(); ++s)
                device.lines[SimSourceLineId(d, s)] = {&destination.sources[s], &destination, d, s, false};
        }
        for (const auto& entry : device.lines) {
            const SimLine& line = *entry.second.line;
            for (const SimControl& spec : line.controls) {
                Control& control = device.controls[spec.id];
                control.spec = &spec;
                control.destination = entry.second.destination;
                control.lineChannels = line.channels;
                control.channels = (spec.flags & MIXERCONTROL_CONTROLF_UNIFORM) ? 1 : line.channels;
                control.items = control.IsMultiple() ? static_cast<DWORD>(spec.items.size()) : 0;
                control.reportedItems = control.IsMultiple() ? control.items + spec.extraReportedItems : 0;
                control.values.assign(static_cast<size_t>(control.channels) * control.Stride(), spec.initial);
                if (IsSingleSelect(spec.type))
                    for (DWORD c = 0; c < control.channels; ++c)
                        for (DWORD i = 0; i < control.items; ++i)
                            control.values[c * control.items + i] = i == 0 ? 1 : 0;
                if (!control.IsMeter())
                    m_store.Load(index, spec.id, control.values);
            }
        }
    }
}

MMRESULT SimMixerDevices::Resolve(HMIXEROBJ object, DWORD flags, const Device*& device) const
{
    const DWORD objectType = flags & kObjectTypeMask;
    const auto handle = m_handles.find(reinterpret_cast<HMIXER>(object));
    if (handle != m_handles.end() &&
        (objectType == MIXER_OBJECTF_HMIXER || objectType == MIXER_OBJECTF_MIXER)) {
        device = m_devices[handle->second.device].get();
        return MMSYSERR_NOERROR;
    }
    if (objectType == MIXER_OBJECTF_HMIXER)
        return MMSYSERR_INVALHANDLE;
    if (objectType != MIXER_OBJECTF_MIXER)
        return MMSYSERR_NOTSUPPORTED;
    const UINT_PTR id = reinterpret_cast<UINT_PTR>(object);
    if (id < m_devices.size()) {
        device = m_devices[id].get();
        return MMSYSERR_NOERROR;
    }
    return id < kFirstUnknownId ? MMSYSERR_BADDEVICEID : MMSYSERR_INVALHANDLE;
}

UINT SimMixerDevices::GetNumDevs() const
{
    return static_cast<UINT>(m_devices.size());
}

MMRESULT SimMixerDevices::GetDevCaps(UINT_PTR id, MIXERCAPSA* caps, UINT size) const
{
    const Device* device = nullptr;
    const MMRESULT found = Resolve(reinterpret_cast<HMIXEROBJ>(id), MIXER_OBJECTF_MIXER, device);
    if (found != MMSYSERR_NOERROR)
        return found;
    if (caps == nullptr)
        return MMSYSERR_INVALPARAM;
    MIXERCAPSA filled = {};
    filled.wMid = device->layout.manufacturerId;
    filled.wPid = device->layout.productId;
    filled.vDriverVersion = device->layout.driverVersion;
    CopyName(filled.szPname, sizeof(filled.szPname), device->layout.productName, false);
    filled.cDestinations = static_cast<DWORD>(device->layout.destinations.size()) +
                           device->layout.extraReportedDestinations;
    std::memcpy(caps, &filled, std::min<size_t>(size, sizeof(filled)));
    return MMSYSERR_NOERROR;
}

MMRESULT SimMixerDevices::Open(HMIXER* handle, UINT id, DWORD_PTR callback, DWORD flags)
{
    if (handle == nullptr)
        return MMSYSERR_INVALPARAM;
    const Device* device = nullptr;
    const MMRESULT found = Resolve(reinterpret_cast<HMIXEROBJ>(static_cast<UINT_PTR>(id)),
                                   flags & kObjectTypeMask, device);
    if (found != MMSYSERR_NOERROR)
        return found;
    HWND window = nullptr;
    switch (flags & CALLBACK_TYPEMASK) {
    case CALLBACK_NULL:
        break;
    case CALLBACK_WINDOW:
        window = reinterpret_cast<HWND>(callback);
        if (window != nullptr && !IsWindow(window))
            return MMSYSERR_INVALPARAM;
        break;
    default:
        return MMSYSERR_INVALFLAG;
    }
    if (device->layout.failOpen)
        return MMSYSERR_ALLOCATED;
    const UINT index = IndexOf(device);
    *handle = reinterpret_cast<HMIXER>(m_nextHandle);
    m_nextHandle += 4;
    m_handles[*handle] = {index, window};
    if (window != nullptr)
        EnsureRelay();
    return MMSYSERR_NOERROR;
}

MMRESULT SimMixerDevices::Close(HMIXER handle)
{
    return m_handles.erase(handle) != 0 ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
}

MMRESULT SimMixerDevices::GetLineInfo(HMIXEROBJ object, MIXERLINEA* line, DWORD flags) const
{
    const Device* device = nullptr;
    const MMRESULT found = Resolve(object, flags, device);
    if (found != MMSYSERR_NOERROR)
        return found;
    if (line == nullptr || line->cbStruct < sizeof(MIXERLINEA))
        return MMSYSERR_INVALPARAM;
    const Device::LineRef* ref = nullptr;
    const auto findLine = [&](DWORD lineId) {
        const auto entry = device->lines.find(lineId);
        ref = entry != device->lines.end() ? &entry->second : nullptr;
    };
    switch (flags & MIXER_GETLINEINFOF_QUERYMASK) {
    case MIXER_GETLINEINFOF_DESTINATION:
        findLine(SimDestinationLineId(line->dwDestination));
        break;
    case MIXER_GETLINEINFOF_SOURCE:
        if (line->dwDestination < device->layout.destinations.size())
            findLine(SimSourceLineId(line->dwDestination, line->dwSource));
        break;
    case MIXER_GETLINEINFOF_LINEID:
        findLine(line->dwLineID);
        break;
    case MIXER_GETLINEINFOF_COMPONENTTYPE:
        for (const auto& entry : device->lines)
            if (entry.second.line->componentType == line->dwComponentType) {
                ref = &entry.second;
                break;
            }
        break;
    default:
        return MMSYSERR_INVALFLAG;
    }
    if (ref == nullptr)
        return MIXERR_INVALLINE;
    const SimLine& spec = *ref->line;
    if (spec.failLineInfo)
        return MMSYSERR_ERROR;
    line->dwDestination = ref->destinationIndex;
    line->dwSource = ref->isDestination ? 0 : ref->sourceIndex;
    line->dwLineID = ref->isDestination ? SimDestinationLineId(ref->destinationIndex)
                                        : SimSourceLineId(ref->destinationIndex, ref->sourceIndex);
    line->fdwLine = MIXERLINE_LINEF_ACTIVE | (ref->isDestination ? 0 : MIXERLINE_LINEF_SOURCE);
    line->dwUser = 0;
    line->dwComponentType = spec.componentType;
    line->cChannels = spec.channels;
    line->cConnections = ref->isDestination
                             ? static_cast<DWORD>(ref->destination->sources.size()) + ref->destination->extraReportedSources
                             : 0;
    line->cControls = static_cast<DWORD>(spec.controls.size()) + spec.extraReportedControls;
    CopyName(line->szShortName, sizeof(line->szShortName), spec.shortName, spec.unterminatedNames);
    CopyName(line->szName, sizeof(line->szName), spec.name, spec.unterminatedNames);
    line->Target.dwType = TargetType(spec, ref->isDestination);
    line->Target.dwDeviceID = 0;
    line->Target.wMid = device->layout.manufacturerId;
    line->Target.wPid = device->layout.productId;
    line->Target.vDriverVersion = device->layout.driverVersion;
    CopyName(line->Target.szPname, sizeof(line->Target.szPname), device->layout.productName, false);
    return MMSYSERR_NOERROR;
}

namespace {

void FillControl(const SimControl& spec, DWORD reportedItems, MIXERCONTROLA& control)
{
    control = MIXERCONTROLA();
    control.cbStruct = sizeof(MIXERCONTROLA);
    control.dwControlID = spec.id;
    control.dwControlType = spec.type;
    control.fdwControl = spec.flags;
    control.cMultipleItems = reportedItems;
    CopyName(control.szShortName, sizeof(control.szShortName), spec.shortName, spec.unterminatedNames);
    CopyName(control.szName, sizeof(control.szName), spec.name, spec.unterminatedNames);
    control.Bounds.lMinimum = spec.minimum;
    control.Bounds.lMaximum = spec.maximum;
    control.Metrics.cSteps = spec.steps;
}

} // namespace

MMRESULT SimMixerDevices::GetLineControls(HMIXEROBJ object, MIXERLINECONTROLSA* request, DWORD flags) const
{
    const Device* device = nullptr;
    const MMRESULT found = Resolve(object, flags, device);
    if (found != MMSYSERR_NOERROR)
        return found;
    if (request == nullptr || request->cbStruct < sizeof(MIXERLINECONTROLSA) || request->pamxctrl == nullptr ||
        request->cbmxctrl < sizeof(MIXERCONTROLA))
        return MMSYSERR_INVALPARAM;
    const auto controlAt = [&](DWORD index) {
        return reinterpret_cast<MIXERCONTROLA*>(reinterpret_cast<BYTE*>(request->pamxctrl) +
                                                static_cast<size_t>(index) * request->cbmxctrl);
    };
    switch (flags & MIXER_GETLINECONTROLSF_QUERYMASK) {
    case MIXER_GETLINECONTROLSF_ALL: {
        const auto line = device->lines.find(request->dwLineID);
        if (line == device->lines.end())
            return MIXERR_INVALLINE;
        const SimLine& spec = *line->second.line;
        if (request->cControls != spec.controls.size() + spec.extraReportedControls || request->cControls == 0)
            return MMSYSERR_INVALPARAM;
        for (DWORD i = 0; i < spec.controls.size(); ++i)
            FillControl(spec.controls[i], device->controls.at(spec.controls[i].id).reportedItems, *controlAt(i));
        return MMSYSERR_NOERROR;
    }
    case MIXER_GETLINECONTROLSF_ONEBYID: {
        const auto control = device->controls.find(request->dwControlID);
        if (control == device->controls.end())
            return MIXERR_INVALCONTROL;
        FillControl(*control->second.spec, control->second.reportedItems, *controlAt(0));
        for (const auto& line : device->lines)
            for (const SimControl& spec : line.second.line->controls)
                if (&spec == control->second.spec)
                    request->dwLineID = line.first;
        return MMSYSERR_NOERROR;
    }
    case MIXER_GETLINECONTROLSF_ONEBYTYPE: {
        const auto line = device->lines.find(request->dwLineID);
        if (line == device->lines.end())
            return MIXERR_INVALLINE;
        for (const SimControl& spec : line->second.line->controls)
            if (spec.type == request->dwControlType) {
                FillControl(spec, device->controls.at(spec.id).reportedItems, *controlAt(0));
                return MMSYSERR_NOERROR;
            }
        return MIXERR_INVALCONTROL;
    }
    default:
        return MMSYSERR_INVALFLAG;
    }
}

namespace {

// The request's shape must be the control's: uniform controls take one channel,
// others one up to the line's; multiple-item controls name their item count.
MMRESULT CheckShape(const MIXERCONTROLDETAILS& request, DWORD lineChannels, DWORD flags, DWORD reportedItems)
{
    if (request.cChannels == 0 || request.cChannels > ((flags & MIXERCONTROL_CONTROLF_UNIFORM) ? 1 : lineChannels))
        return MMSYSERR_INVALPARAM;
    if (request.cMultipleItems != reportedItems || request.paDetails == nullptr)
        return MMSYSERR_INVALPARAM;
    return MMSYSERR_NOERROR;
}

} // namespace

MMRESULT SimMixerDevices::GetControlDetails(HMIXEROBJ object, MIXERCONTROLDETAILS* request, DWORD flags) const
{
    const Device* device = nullptr;
    const MMRESULT found = Resolve(object, flags, device);
    if (found != MMSYSERR_NOERROR)
        return found;
    if (request == nullptr || request->cbStruct < sizeof(MIXERCONTROLDETAILS))
        return MMSYSERR_INVALPARAM;
    const auto entry = device->controls.find(request->dwControlID);
    if (entry == device->controls.end())
        return MIXERR_INVALCONTROL;
    const Control& control = entry->second;
    const MMRESULT shape = CheckShape(*request, control.lineChannels, control.spec->flags, control.reportedItems);
    if (shape != MMSYSERR_NOERROR)
        return shape;
    const DWORD requestStride = request->cMultipleItems != 0 ? request->cMultipleItems : 1;
    switch (flags & MIXER_GETCONTROLDETAILSF_QUERYMASK) {
    case MIXER_GETCONTROLDETAILSF_VALUE:
        if (request->cbDetails < sizeof(LONG))
            return MMSYSERR_INVALPARAM;
        Refresh(IndexOf(device), control);
        for (DWORD c = 0; c < request->cChannels; ++c) {
            const DWORD held = std::min(c, control.channels - 1);
            for (DWORD i = 0; i < control.Stride(); ++i) {
                LONG value = control.values[held * control.Stride() + i];
                if (control.IsMeter())
                    value = c < control.levels.size() ? control.levels[c] : MusicLevel(c);
                Entry(request->paDetails, c * requestStride + i, request->cbDetails) = value;
            }
        }
        return MMSYSERR_NOERROR;
    case MIXER_GETCONTROLDETAILSF_LISTTEXT:
        if (!control.IsMultiple() || request->cbDetails < sizeof(MIXERCONTROLDETAILS_LISTTEXTA))
            return MMSYSERR_INVALPARAM;
        for (DWORD c = 0; c < request->cChannels; ++c)
            for (DWORD i = 0; i < control.items; ++i) {
                auto* text = reinterpret_cast<MIXERCONTROLDETAILS_LISTTEXTA*>(
                    static_cast<BYTE*>(request->paDetails) + static_cast<size_t>(c * requestStride + i) * request->cbDetails);
                const std::string& name = control.spec->items[i];
                text->dwParam1 = i;
                text->dwParam2 = MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED;
                for (DWORD s = 0; s < control.destination->sources.size(); ++s)
                    if (control.destination->sources[s].name == name) {
                        text->dwParam1 = SimSourceLineId(static_cast<DWORD>(control.destination - device->layout.destinations.data()), s);
                        text->dwParam2 = control.destination->sources[s].componentType;
                    }
                CopyName(text->szName, sizeof(text->szName), name, control.spec->unterminatedNames);
            }
        return MMSYSERR_NOERROR;
    default:
        return MMSYSERR_INVALFLAG;
    }
}

MMRESULT SimMixerDevices::SetControlDetails(HMIXEROBJ object, MIXERCONTROLDETAILS* request, DWORD flags)
{
    const Device* device = nullptr;
    const MMRESULT found = Resolve(object, flags, device);
    if (found != MMSYSERR_NOERROR)
        return found;
    if ((flags & MIXER_SETCONTROLDETAILSF_QUERYMASK) != MIXER_SETCONTROLDETAILSF_VALUE)
        return MMSYSERR_NOTSUPPORTED;
    if (request == nullptr || request->cbStruct < sizeof(MIXERCONTROLDETAILS) || request->cbDetails < sizeof(LONG))
        return MMSYSERR_INVALPARAM;
    const UINT index = IndexOf(device);
    const auto entry = m_devices[index]->controls.find(request->dwControlID);
    if (entry == m_devices[index]->controls.end())
        return MIXERR_INVALCONTROL;
    Control& control = entry->second;
    const MMRESULT shape = CheckShape(*request, control.lineChannels, control.spec->flags, control.reportedItems);
    if (shape != MMSYSERR_NOERROR)
        return shape;
    if (control.IsMeter())
        return MMSYSERR_NOTSUPPORTED;
    const DWORD requestStride = request->cMultipleItems != 0 ? request->cMultipleItems : 1;
    std::vector<LONG> values(static_cast<size_t>(request->cChannels) * control.Stride());
    for (DWORD c = 0; c < request->cChannels; ++c)
        for (DWORD i = 0; i < control.Stride(); ++i)
            values[c * control.Stride() + i] = Entry(request->paDetails, c * requestStride + i, request->cbDetails);
    Store(index, control, values.data(), request->cChannels);
    return MMSYSERR_NOERROR;
}

// Stores values given for some channels (one channel sets them all), kept within
// the control's bounds; a single-select control keeps exactly one item selected.
bool SimMixerDevices::Store(UINT deviceIndex, Control& control, const LONG* values, DWORD channels)
{
    Refresh(deviceIndex, control); // channels not given keep what is stored now
    const DWORD stride = control.Stride();
    for (DWORD c = 0; c < control.channels; ++c) {
        const LONG* given = values + static_cast<size_t>(channels == 1 ? 0 : std::min(c, channels - 1)) * stride;
        LONG* held = control.values.data() + static_cast<size_t>(c) * stride;
        if (IsSingleSelect(control.spec->type)) {
            const LONG* selected = std::find_if(given, given + stride, [](LONG v) { return v != 0; });
            if (selected == given + stride)
                continue;
            for (DWORD i = 0; i < stride; ++i)
                held[i] = given + i == selected ? 1 : 0;
            continue;
        }
        for (DWORD i = 0; i < stride; ++i)
            held[i] = Bounded(*control.spec, given[i]);
    }
    m_store.Save(deviceIndex, control.spec->id, control.values);
    PostChange(deviceIndex, control.spec->id);
    TellOtherProcesses(deviceIndex, control.spec->id);
    return true;
}

UINT SimMixerDevices::IndexOf(const Device* device) const
{
    UINT index = 0;
    while (m_devices[index].get() != device)
        ++index;
    return index;
}

void SimMixerDevices::Refresh(UINT deviceIndex, const Control& control) const
{
    if (!control.IsMeter())
        m_store.Load(deviceIndex, control.spec->id, control.values); // keeps them when none are stored
}

void SimMixerDevices::EnsureRelay()
{
    if (m_store.Key().empty())
        return;
    if (m_relay != nullptr && IsWindow(m_relay)) {
        SetWindowTextA(m_relay, m_store.Key().c_str()); // the key may have changed since
        return;
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &SimMixerDevices::RelayProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kRelayClass;
    RegisterClassA(&windowClass); // fails harmlessly when already registered
    // A hidden top-level window: message-only windows cannot be found by title.
    m_relay = CreateWindowExA(0, kRelayClass, m_store.Key().c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (m_relay != nullptr)
        SetWindowLongPtrA(m_relay, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void SimMixerDevices::DestroyRelay()
{
    if (m_relay == nullptr)
        return;
    SetWindowLongPtrA(m_relay, GWLP_USERDATA, 0);
    DestroyWindow(m_relay); // fails from another thread; the window then goes with its thread
    m_relay = nullptr;
}

void SimMixerDevices::TellOtherProcesses(UINT device, DWORD controlId) const
{
    if (m_store.Key().empty())
        return;
    const DWORD self = GetCurrentProcessId();
    HWND relay = nullptr;
    while ((relay = FindWindowExA(nullptr, relay, kRelayClass, m_store.Key().c_str())) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(relay, &owner);
        if (owner != self)
            PostMessageA(relay, RelayMessage(), static_cast<WPARAM>(device), static_cast<LPARAM>(controlId));
    }
}

LRESULT CALLBACK SimMixerDevices::RelayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == RelayMessage() && message != 0) {
        auto* devices = reinterpret_cast<SimMixerDevices*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (devices != nullptr && wParam < devices->m_devices.size())
            devices->PostChange(static_cast<UINT>(wParam), static_cast<DWORD>(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void SimMixerDevices::PostChange(UINT device, DWORD controlId) const
{
    for (const auto& handle : m_handles)
        if (handle.second.device == device && handle.second.window != nullptr)
            PostMessageA(handle.second.window, MM_MIXM_CONTROL_CHANGE, reinterpret_cast<WPARAM>(handle.first),
                         static_cast<LPARAM>(controlId));
}

bool SimMixerDevices::SetFromOutside(UINT device, DWORD controlId, const std::vector<LONG>& values)
{
    if (device >= m_devices.size())
        return false;
    const auto entry = m_devices[device]->controls.find(controlId);
    if (entry == m_devices[device]->controls.end() || entry->second.IsMeter())
        return false;
    Control& control = entry->second;
    const DWORD stride = control.Stride();
    if (values.empty() || values.size() % stride != 0)
        return false;
    return Store(device, control, values.data(), static_cast<DWORD>(values.size() / stride));
}

bool SimMixerDevices::Values(UINT device, DWORD controlId, std::vector<LONG>& values) const
{
    if (device >= m_devices.size())
        return false;
    const auto entry = m_devices[device]->controls.find(controlId);
    if (entry == m_devices[device]->controls.end())
        return false;
    Refresh(device, entry->second);
    values = entry->second.values;
    return true;
}

bool SimMixerDevices::SetMeterLevels(UINT device, DWORD controlId, const std::vector<LONG>& levels)
{
    if (device >= m_devices.size())
        return false;
    const auto entry = m_devices[device]->controls.find(controlId);
    if (entry == m_devices[device]->controls.end() || !entry->second.IsMeter())
        return false;
    entry->second.levels = levels;
    return true;
}
