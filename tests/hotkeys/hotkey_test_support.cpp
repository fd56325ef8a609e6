#include "hotkeys/hotkey_test_support.h"

#include "simcard/sim_card.h"

MixerValues CardValues(CMixerDevice& mixer)
{
    MixerValues values;
    for (int destination = 0; destination < mixer.GetDestinationCount(); ++destination) {
        for (int source = -1; source < mixer.GetSourceCount(destination); ++source) {
            MixerLineEntry* line = nullptr;
            const bool found = source < 0 ? mixer.GetDestination(destination, line)
                                          : mixer.GetLine(destination, source, line);
            if (!found || line == nullptr)
                continue;
            for (const auto& control : line->controls) {
                if (IsMeterControlType(control->control.dwControlType))
                    continue;
                std::vector<LONG> held;
                SimCard::Instance().MixerDevices().Values(0, control->control.dwControlID, held);
                values[control->control.dwControlID] = held;
            }
        }
    }
    return values;
}

std::vector<DWORD> ChangedControls(const MixerValues& before, const MixerValues& after)
{
    std::vector<DWORD> changed;
    for (const auto& entry : after) {
        const auto old = before.find(entry.first);
        if (old == before.end() || old->second != entry.second)
            changed.push_back(entry.first);
    }
    return changed;
}

DWORD PlaybackControlId(CMixerDevice& mixer, const std::string& name, DWORD type)
{
    for (int source = -1; source < mixer.GetSourceCount(0); ++source) {
        MixerLineEntry* line = nullptr;
        const bool found = source < 0 ? mixer.GetDestination(0, line) : mixer.GetLine(0, source, line);
        if (!found || line == nullptr || (source < 0) != name.empty())
            continue;
        if (source >= 0 && name != line->line.szShortName)
            continue;
        for (const auto& control : line->controls)
            if (control->control.dwControlType == type)
                return control->control.dwControlID;
    }
    return 0;
}

DWORD RecordSelectorId(CMixerDevice& mixer)
{
    MixerControlEntry* entry = nullptr;
    return mixer.GetDestinationControl(1, 0, entry) && entry != nullptr ? entry->control.dwControlID : 0;
}

std::string SelectedRecordSource(CMixerDevice& mixer)
{
    MixerControlEntry* entry = nullptr;
    if (!mixer.GetDestinationControl(1, 0, entry) || entry == nullptr || !mixer.GetListText(*entry))
        return "";
    std::vector<LONG> values;
    SimCard::Instance().MixerDevices().Values(0, entry->control.dwControlID, values);
    std::string selected;
    int count = 0;
    for (size_t i = 0; i < values.size() && i < entry->control.cMultipleItems; ++i) {
        if (values[i] != 0) {
            selected = entry->ItemNames()[i].szName;
            ++count;
        }
    }
    return count == 1 ? selected : "";
}

HWND CreateHiddenWindow()
{
    return CreateWindowExA(0, "STATIC", "hotkey test", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}
