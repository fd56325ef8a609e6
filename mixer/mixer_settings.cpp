// The mixer section of a settings file: one line per control with its values.
#include "mixer/mixer_device.h"
#include "mixer/settings_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr const char* kBeginSettings = "Begin settings";
constexpr const char* kEndSettings = "End settings";

bool IsSavedKind(unsigned kind) { return (kind & (VK_BOOLEAN | VK_SIGNED | VK_UNSIGNED)) != 0; }

bool IsSingleSelect(DWORD controlType)
{
    return (controlType & MIXERCONTROL_CT_CLASS_MASK) == MIXERCONTROL_CT_CLASS_LIST
        && (controlType & MIXERCONTROL_CT_SUBCLASS_MASK) == MIXERCONTROL_CT_SC_LIST_SINGLE;
}

// A whole token as "%i"; false for anything that is not a number.
bool ParseNumber(const char* token, long long& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(token, &end, 0);
    return end != token && *end == '\0';
}

// A value the control can hold: booleans are 0 or 1, numbers within the bounds.
LONG HoldableValue(const MixerControlEntry& entry, long long value)
{
    if (entry.kind & VK_BOOLEAN)
        return value != 0 ? 1 : 0;
    if (entry.kind & VK_SIGNED)
        return static_cast<LONG>(std::clamp<long long>(value, entry.control.Bounds.lMinimum,
                                                       entry.control.Bounds.lMaximum));
    const long long low = entry.control.Bounds.dwMinimum;
    const long long high = entry.control.Bounds.dwMaximum;
    // Values above 0x7FFFFFFF are written as negative numbers ("%i"): where the
    // control reaches that far, a negative number is that 32-bit pattern.
    if (value < 0 && value >= INT32_MIN && high > INT32_MAX)
        value = static_cast<DWORD>(static_cast<int32_t>(value));
    return static_cast<LONG>(static_cast<DWORD>(std::clamp<long long>(value, std::min(low, high), high)));
}

// A single-select list (a mux) holds exactly one chosen item per channel.
bool SelectsOneItemPerChannel(const MixerControlEntry& entry, const std::vector<LONG>& values)
{
    const size_t items = entry.valueRequest.cMultipleItems;
    if (items == 0)
        return true;
    for (size_t first = 0; first + items <= values.size(); first += items)
        if (std::count_if(values.begin() + first, values.begin() + first + items, [](LONG v) { return v != 0; }) != 1)
            return false;
    return true;
}

std::vector<char*> Tokens(char* line)
{
    std::vector<char*> tokens;
    for (char* token = std::strtok(line, " \t"); token != nullptr; token = std::strtok(nullptr, " \t"))
        tokens.push_back(token);
    return tokens;
}

} // namespace

MixerIdentity CMixerDevice::SettingsIdentity() const
{
    return MixerIdentity{m_caps.szPname, m_caps.vDriverVersion, m_caps.wMid, m_caps.wPid};
}

bool CMixerDevice::SaveSettings(FILE* file)
{
    if (file == nullptr)
        return false;
    const MixerIdentity identity = SettingsIdentity();
    WriteSectionLine(file, kBeginSettings, identity);
    // Controls in the order of their IDs, so that a card always writes the same file.
    std::vector<MixerControlEntry*> entries;
    for (const auto& control : m_controls)
        entries.push_back(control.second);
    std::sort(entries.begin(), entries.end(), [](const MixerControlEntry* a, const MixerControlEntry* b) {
        return a->control.dwControlID < b->control.dwControlID;
    });
    for (MixerControlEntry* entry : entries) {
        if (IsMeterControlType(entry->control.dwControlType) || !IsSavedKind(entry->kind))
            continue;
        WriteControlLine(file, *entry);
        NotifyControl(entry->control.dwControlID, true);
    }
    WriteSectionLine(file, kEndSettings, identity);
    return SettingsWritten(file);
}

void CMixerDevice::WriteControlLine(FILE* file, const MixerControlEntry& entry)
{
    // The line and its line feed stay within what a reader takes at once. A piece
    // that does not fit whole ends the line before it, so no number is ever cut;
    // the reader keeps the values the line does not reach.
    constexpr size_t kMostChars = kSettingsLineChars - 1;
    static_assert(kMostChars < kSettingsLineBuffer, "the line and its terminator fit the buffer");
    char line[kSettingsLineBuffer];
    size_t length = 0;
    bool full = false;
    auto append = [&](const char* format, auto value) {
        if (full)
            return;
        char piece[kSettingsLineBuffer];
        const int written = std::snprintf(piece, sizeof(piece), format, value);
        if (written < 0 || length + static_cast<size_t>(written) > kMostChars) {
            full = true;
            return;
        }
        std::memcpy(line + length, piece, static_cast<size_t>(written));
        length += static_cast<size_t>(written);
    };
    append("%X", static_cast<unsigned>(entry.control.dwControlID));
    append("\t%i\t", static_cast<int>(entry.count));
    const LONG* values = entry.Values();
    for (unsigned i = 0; i < entry.count; ++i)
        append(" %i", static_cast<int>(values[i]));
    char name[MIXER_LONG_NAME_CHARS + 1] = {};
    std::memcpy(name, entry.control.szName, MIXER_LONG_NAME_CHARS);
    append("\t(%s)", name);
    line[length] = '\0';
    std::fprintf(file, "%s\n", line);
}

bool CMixerDevice::LoadSettings(FILE* file)
{
    if (file == nullptr)
        return false;
    if (std::feof(file))
        return true;
    char line[kSettingsLineChars + 1];
    bool inSection = false;
    while (ReadSettingsLine(file, line)) {
        if (!inSection) {
            inSection = StartsWith(line, kBeginSettings);
            continue;
        }
        if (StartsWith(line, kEndSettings))
            break;
        ApplyControlLine(line);
    }
    return true;
}

void CMixerDevice::ApplyControlLine(char* line)
{
    const std::vector<char*> tokens = Tokens(line);
    if (tokens.size() < 3)
        return;
    char* end = nullptr;
    const unsigned long id = std::strtoul(tokens[0], &end, 16);
    if (end == tokens[0] || *end != '\0' || id > ULONG_MAX)
        return;
    MixerControlEntry* entry = nullptr;
    if (!FindControl(static_cast<DWORD>(id), entry) || !entry->HasValues() || !IsSavedKind(entry->kind))
        return;
    long long count = 0;
    if (!ParseNumber(tokens[1], count) || count != static_cast<long long>(entry->count))
        return;

    // Values present in the line replace the held ones; the values section ends
    // at the first token that is not a number (the control's name).
    std::vector<LONG> values(entry->Values(), entry->Values() + entry->count);
    size_t applied = 0;
    for (size_t t = 2; t < tokens.size() && applied < values.size(); ++t, ++applied) {
        long long value = 0;
        if (!ParseNumber(tokens[t], value))
            break;
        values[applied] = HoldableValue(*entry, value);
    }
    if (applied == 0)
        return;
    if (IsSingleSelect(entry->control.dwControlType) && !SelectsOneItemPerChannel(*entry, values))
        return;
    std::copy(values.begin(), values.end(), entry->Values());
    if (!SetDetails(*entry))
        GetDetails(*entry); // keep what the device really holds
    NotifyControl(entry->control.dwControlID, true);
}
