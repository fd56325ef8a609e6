#include "mixer/mixer_device.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr size_t kPairValues = 2;

bool IsRegistered(const CMixerDevice::ListenerTable& table, DWORD controlId, CMixerListener* listener);

} // namespace

CMixerDevice::CMixerDevice() : m_caps() {}

CMixerDevice::~CMixerDevice()
{
    // Listeners outliving the device must not reach back into it.
    for (const ListenerTable* table : {&m_listeners, &m_meterListeners})
        for (const auto& entry : *table)
            for (CMixerListener* listener : entry.second)
                listener->ForgetMixer(this);
}

void CMixerDevice::ClearDestinations()
{
    m_lines.clear();
    m_controls.clear();
    m_destinations.clear();
}

void CMixerDevice::EnterLine(MixerLineEntry& line)
{
    m_lines[line.line.dwLineID] = &line;
}

void CMixerDevice::EnterControl(MixerControlEntry& entry)
{
    m_controls[entry.control.dwControlID] = &entry;
}

bool CMixerDevice::FindLine(DWORD lineId, MixerLineEntry*& line)
{
    const auto found = m_lines.find(lineId);
    if (found == m_lines.end())
        return false;
    line = found->second;
    return true;
}

bool CMixerDevice::FindControl(DWORD controlId, MixerControlEntry*& entry)
{
    const auto found = m_controls.find(controlId);
    if (found == m_controls.end())
        return false;
    entry = found->second;
    return true;
}

bool CMixerDevice::FindListText(DWORD controlId, const MIXERCONTROLDETAILS*& request)
{
    MixerControlEntry* entry = nullptr;
    if (!FindControl(controlId, entry))
        return false;
    request = (entry->kind & VK_ITEMNAMES) ? &entry->listTextRequest : nullptr;
    return true;
}

MixerControlEntry* CMixerDevice::ValueControl(DWORD controlId)
{
    MixerControlEntry* entry = nullptr;
    if (!FindControl(controlId, entry) || !entry->HasValues())
        return nullptr;
    return entry;
}

// The caller's buffer bounds the copy: a shorter buffer sets the first values only.
bool CMixerDevice::SetValues(DWORD controlId, const LONG* values, size_t valueCount)
{
    MixerControlEntry* entry = ValueControl(controlId);
    if (entry == nullptr || values == nullptr)
        return false;
    std::copy_n(values, std::min<size_t>(valueCount, entry->count), entry->Values());
    return SetDetails(*entry);
}

bool CMixerDevice::SetAllValues(DWORD controlId, LONG value)
{
    MixerControlEntry* entry = ValueControl(controlId);
    if (entry == nullptr)
        return false;
    std::fill_n(entry->Values(), entry->count, value);
    return SetDetails(*entry);
}

// The caller's buffer bounds the copy: a shorter buffer receives the first values only.
bool CMixerDevice::GetValues(DWORD controlId, LONG* values, size_t valueCount)
{
    MixerControlEntry* entry = ValueControl(controlId);
    if (entry == nullptr || values == nullptr || !GetDetails(*entry))
        return false;
    std::copy_n(entry->Values(), std::min<size_t>(valueCount, entry->count), values);
    return true;
}

bool CMixerDevice::SetUnsignedArray(DWORD controlId, const DWORD* values, DWORD byteSize)
{
    return SetValues(controlId, reinterpret_cast<const LONG*>(values), byteSize / sizeof(DWORD));
}

bool CMixerDevice::SetUnsignedPair(DWORD controlId, DWORD first, DWORD second)
{
    const LONG pair[kPairValues] = {static_cast<LONG>(first), static_cast<LONG>(second)};
    return SetValues(controlId, pair, kPairValues);
}

bool CMixerDevice::SetUnsigned(DWORD controlId, DWORD value)
{
    const LONG single = static_cast<LONG>(value);
    return SetValues(controlId, &single, 1);
}

bool CMixerDevice::SetBooleanArray(DWORD controlId, const LONG* values, DWORD byteSize)
{
    return SetValues(controlId, values, byteSize / sizeof(LONG));
}

bool CMixerDevice::SetBooleanPair(DWORD controlId, LONG first, LONG second)
{
    const LONG pair[kPairValues] = {first, second};
    return SetValues(controlId, pair, kPairValues);
}

bool CMixerDevice::SetBooleanAll(DWORD controlId, LONG value)
{
    return SetAllValues(controlId, value);
}

bool CMixerDevice::SetSignedArray(DWORD controlId, const LONG* values, DWORD byteSize)
{
    return SetValues(controlId, values, byteSize / sizeof(LONG));
}

bool CMixerDevice::SetSignedPair(DWORD controlId, LONG first, LONG second)
{
    const LONG pair[kPairValues] = {first, second};
    return SetValues(controlId, pair, kPairValues);
}

bool CMixerDevice::SetSigned(DWORD controlId, LONG value)
{
    return SetValues(controlId, &value, 1);
}

bool CMixerDevice::GetBooleanArray(DWORD controlId, LONG* values, DWORD byteSize)
{
    return GetValues(controlId, values, byteSize / sizeof(LONG));
}

bool CMixerDevice::GetBooleanPair(DWORD controlId, LONG& first, LONG& second)
{
    return GetSignedPair(controlId, first, second);
}

bool CMixerDevice::GetBoolean(DWORD controlId, LONG& value)
{
    return GetValues(controlId, &value, 1);
}

bool CMixerDevice::GetUnsignedArray(DWORD controlId, DWORD* values, DWORD byteSize)
{
    return GetValues(controlId, reinterpret_cast<LONG*>(values), byteSize / sizeof(DWORD));
}

bool CMixerDevice::GetUnsignedPair(DWORD controlId, DWORD& first, DWORD& second)
{
    LONG pair[kPairValues] = {static_cast<LONG>(first), static_cast<LONG>(second)};
    if (!GetValues(controlId, pair, kPairValues))
        return false;
    first = static_cast<DWORD>(pair[0]);
    second = static_cast<DWORD>(pair[1]);
    return true;
}

bool CMixerDevice::GetUnsigned(DWORD controlId, DWORD& value)
{
    return GetValues(controlId, reinterpret_cast<LONG*>(&value), 1);
}

bool CMixerDevice::GetSignedArray(DWORD controlId, LONG* values, DWORD byteSize)
{
    return GetValues(controlId, values, byteSize / sizeof(LONG));
}

bool CMixerDevice::GetSignedPair(DWORD controlId, LONG& first, LONG& second)
{
    LONG pair[kPairValues] = {first, second};
    if (!GetValues(controlId, pair, kPairValues))
        return false;
    first = pair[0];
    second = pair[1];
    return true;
}

bool CMixerDevice::GetSigned(DWORD controlId, LONG& value)
{
    return GetValues(controlId, &value, 1);
}

bool CMixerDevice::HideLine(DWORD lineId)
{
    const auto found = m_lines.find(lineId);
    if (found == m_lines.end())
        return false;
    found->second->line.dwUser |= LINE_HIDDEN;
    m_lines.erase(found);
    return true;
}

bool CMixerDevice::AddListener(DWORD controlId, CMixerListener* listener)
{
    MixerControlEntry* entry = nullptr;
    const bool meter = FindControl(controlId, entry) && IsMeterControlType(entry->control.dwControlType);
    (meter ? m_meterListeners : m_listeners)[controlId].push_back(listener);
    return true;
}

bool CMixerDevice::RemoveListener(DWORD controlId, CMixerListener* listener)
{
    ListenerTable* table = &m_listeners;
    auto found = table->find(controlId);
    if (found == table->end()) {
        table = &m_meterListeners;
        found = table->find(controlId);
        if (found == table->end())
            return false;
    }
    ListenerList& list = found->second;
    const auto position = std::find(list.begin(), list.end(), listener);
    if (position == list.end())
        return false;
    list.erase(position);
    if (list.empty())
        table->erase(found);
    return true;
}

// Listeners may unregister (themselves or others) while being told: each one is
// called only while it is still registered.
void CMixerDevice::CallListeners(DWORD controlId, const ListenerList& snapshot,
                                 const ListenerTable& table, bool refresh)
{
    for (CMixerListener* listener : snapshot)
        if (IsRegistered(table, controlId, listener))
            listener->OnControlChange(controlId, refresh);
}

bool CMixerDevice::NotifyControl(DWORD controlId, bool refresh)
{
    const auto found = m_listeners.find(controlId);
    if (found == m_listeners.end())
        return false;
    const ListenerList snapshot = found->second;
    CallListeners(controlId, snapshot, m_listeners, refresh);
    return true;
}

void CMixerDevice::PollMeters()
{
    const ListenerTable snapshot = m_meterListeners;
    for (const auto& meter : snapshot)
        CallListeners(meter.first, meter.second, m_meterListeners, false);
}

namespace {

bool IsRegistered(const CMixerDevice::ListenerTable& table, DWORD controlId, CMixerListener* listener)
{
    const auto found = table.find(controlId);
    return found != table.end() &&
           std::find(found->second.begin(), found->second.end(), listener) != found->second.end();
}

} // namespace
