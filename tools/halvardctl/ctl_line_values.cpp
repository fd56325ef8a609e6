#include "tools/halvardctl/ctl_line_values.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD kVolume = MIXERCONTROL_CONTROLTYPE_VOLUME;
constexpr DWORD kMute = MIXERCONTROL_CONTROLTYPE_MUTE;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Joined(const std::vector<std::string>& items, const char* separator)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : separator) + item;
    return text;
}

std::string RangeText(DWORD minimum, DWORD maximum)
{
    return std::to_string(minimum) + " to " + std::to_string(maximum) + " (0% to 100%)";
}

CtlExit SetVolume(CMixerDevice& mixer, const CtlLine& line, const CtlValue& value, std::string& error)
{
    MixerControlEntry* volume = FindLineControl(line, kVolume);
    if (volume == nullptr) {
        error = "\"" + CtlShortName(line) + "\" has no volume";
        return CtlExit::BadValue;
    }
    const DWORD minimum = volume->control.Bounds.dwMinimum;
    const DWORD maximum = volume->control.Bounds.dwMaximum;
    const size_t count = volume->count;
    if (value.numbers.size() != 1 && value.numbers.size() != count) {
        error = "\"" + CtlShortName(line) + "\" takes 1 or " + std::to_string(count) + " values, not " +
                std::to_string(value.numbers.size());
        return CtlExit::BadValue;
    }
    std::vector<DWORD> raw;
    for (long long number : value.numbers) {
        long long level = number;
        if (value.form == CtlValue::Form::Percent)
            level = minimum + (number * (static_cast<long long>(maximum) - minimum) + 50) / 100;
        if (level < minimum || level > maximum) {
            error = "value out of range: \"" + CtlShortName(line) + "\" volume takes " + RangeText(minimum, maximum);
            return CtlExit::BadValue;
        }
        raw.push_back(static_cast<DWORD>(level));
    }
    raw.resize(count, raw.front());
    if (!mixer.SetUnsignedArray(volume->control.dwControlID, raw.data(), static_cast<DWORD>(raw.size() * sizeof(DWORD)))) {
        error = "the card did not take the volume";
        return CtlExit::Refused;
    }
    return CtlExit::Ok;
}

CtlExit SetMute(CMixerDevice& mixer, const CtlLine& line, const std::string& word, std::string& error)
{
    MixerControlEntry* mute = FindLineControl(line, kMute);
    if (mute == nullptr) {
        error = "\"" + CtlShortName(line) + "\" has no mute";
        return CtlExit::BadValue;
    }
    LONG muted = 0;
    if (CtlSameText(word, "toggle") && !mixer.GetBoolean(mute->control.dwControlID, muted)) {
        error = "the card did not answer";
        return CtlExit::Refused;
    }
    const LONG wanted = CtlSameText(word, "mute") ? 1 : CtlSameText(word, "unmute") ? 0 : !muted;
    if (!mixer.SetBooleanAll(mute->control.dwControlID, wanted)) {
        error = "the card did not take the mute";
        return CtlExit::Refused;
    }
    return CtlExit::Ok;
}

} // namespace

bool CtlSameText(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

std::string CtlJsonText(const std::string& text)
{
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char escaped[8];
            // Bytes beyond ASCII are the system's code page (Latin-1 for the tables' languages).
            std::snprintf(escaped, sizeof(escaped), "\\u%04X", c);
            quoted += escaped;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "\"";
}

int CtlPercentOf(DWORD value, DWORD minimum, DWORD maximum)
{
    if (maximum <= minimum || value <= minimum)
        return 0;
    if (value >= maximum)
        return 100;
    return static_cast<int>(((static_cast<unsigned long long>(value) - minimum) * 100 + (maximum - minimum) / 2) /
                            (maximum - minimum));
}

std::vector<std::string> CtlMuxItems(const MixerControlEntry& mux)
{
    std::vector<std::string> items;
    const MIXERCONTROLDETAILS_LISTTEXTA* names = mux.ItemNames();
    if (names == nullptr)
        return items;
    for (DWORD i = 0; i < mux.control.cMultipleItems && i < mux.count; ++i)
        items.emplace_back(names[i].szName, strnlen(names[i].szName, sizeof(names[i].szName)));
    return items;
}

bool ReadCtlMuxItem(CMixerDevice& mixer, MixerControlEntry& mux, std::string& item)
{
    std::vector<LONG> values(mux.count);
    if (values.empty() ||
        !mixer.GetBooleanArray(mux.control.dwControlID, values.data(), static_cast<DWORD>(values.size() * sizeof(LONG))))
        return false;
    const std::vector<std::string> items = CtlMuxItems(mux);
    item.clear();
    for (size_t i = 0; i < items.size(); ++i)
        if (values[i] != 0) {
            item = items[i];
            break;
        }
    return true;
}

CtlExit SelectCtlMuxItem(CMixerDevice& mixer, MixerControlEntry& mux, const std::string& text, std::string& error)
{
    const std::vector<std::string> items = CtlMuxItems(mux);
    for (size_t i = 0; i < items.size(); ++i) {
        if (!CtlSameText(items[i], text))
            continue;
        // One item per channel block: the selected one set, the others clear.
        std::vector<LONG> values(mux.count, 0);
        for (size_t at = i; at < values.size(); at += items.size())
            values[at] = 1;
        if (!mixer.SetBooleanArray(mux.control.dwControlID, values.data(), static_cast<DWORD>(values.size() * sizeof(LONG)))) {
            error = "the card did not take the record source";
            return CtlExit::Refused;
        }
        return CtlExit::Ok;
    }
    error = "value out of range: the record source is one of " + Joined(items, ", ");
    return CtlExit::BadValue;
}

bool ReadCtlLine(CMixerDevice& mixer, const CtlLine& line, CtlLineState& state)
{
    state = CtlLineState();
    if (MixerControlEntry* volume = FindLineControl(line, kVolume)) {
        state.hasVolume = true;
        state.minimum = volume->control.Bounds.dwMinimum;
        state.maximum = volume->control.Bounds.dwMaximum;
        state.volume.resize(volume->count);
        if (!mixer.GetUnsignedArray(volume->control.dwControlID, state.volume.data(),
                                    static_cast<DWORD>(state.volume.size() * sizeof(DWORD))))
            return false;
    }
    if (MixerControlEntry* mute = FindLineControl(line, kMute)) {
        LONG muted = 0;
        if (!mixer.GetBoolean(mute->control.dwControlID, muted))
            return false;
        state.hasMute = true;
        state.muted = muted != 0;
    }
    MixerControlEntry* mux = nullptr;
    for (DWORD type : {static_cast<DWORD>(MIXERCONTROL_CONTROLTYPE_MUX), static_cast<DWORD>(MIXERCONTROL_CONTROLTYPE_SINGLESELECT)})
        if (mux == nullptr)
            mux = FindLineControl(line, type);
    if (mux != nullptr && (mux->kind & VK_ITEMNAMES) != 0) {
        if (!ReadCtlMuxItem(mixer, *mux, state.source))
            return false;
        state.hasSource = true;
    }
    return true;
}

std::string FormatCtlLine(const CtlLineState& state)
{
    std::vector<std::string> parts;
    if (state.hasVolume) {
        std::vector<std::string> raw, percent;
        for (DWORD level : state.volume) {
            raw.push_back(std::to_string(level));
            percent.push_back(std::to_string(CtlPercentOf(level, state.minimum, state.maximum)));
        }
        parts.push_back("volume=" + Joined(raw, ","));
        parts.push_back("percent=" + Joined(percent, ","));
    }
    if (state.hasMute)
        parts.push_back(std::string("mute=") + (state.muted ? "on" : "off"));
    if (state.hasSource)
        parts.push_back("source=" + CtlJsonText(state.source));
    return Joined(parts, " ");
}

std::string FormatCtlLineJson(const CtlLineState& state)
{
    std::vector<std::string> members;
    if (state.hasVolume) {
        std::vector<std::string> raw, percent;
        for (DWORD level : state.volume) {
            raw.push_back(std::to_string(level));
            percent.push_back(std::to_string(CtlPercentOf(level, state.minimum, state.maximum)));
        }
        members.push_back("\"volume\": [" + Joined(raw, ", ") + "]");
        members.push_back("\"percent\": [" + Joined(percent, ", ") + "]");
    }
    if (state.hasMute)
        members.push_back(std::string("\"mute\": ") + (state.muted ? "true" : "false"));
    if (state.hasSource)
        members.push_back("\"source\": " + CtlJsonText(state.source));
    return Joined(members, ", ");
}

CtlExit SetCtlLine(CMixerDevice& mixer, const CtlLine& line, const CtlValue& value, std::string& error)
{
    if (value.form != CtlValue::Form::Word)
        return SetVolume(mixer, line, value, error);
    const std::string& word = value.text;
    if (CtlSameText(word, "mute") || CtlSameText(word, "unmute") || CtlSameText(word, "toggle"))
        return SetMute(mixer, line, word, error);
    for (const auto& control : line.entry->controls) {
        const DWORD type = control ? control->control.dwControlType : 0;
        if ((type == MIXERCONTROL_CONTROLTYPE_MUX || type == MIXERCONTROL_CONTROLTYPE_SINGLESELECT) &&
            (control->kind & VK_ITEMNAMES) != 0)
            return SelectCtlMuxItem(mixer, *control, word, error);
    }
    error = "\"" + CtlShortName(line) + "\" takes a volume (75% or 40000,38000), mute, unmute or toggle, not \"" +
            word + "\"";
    return CtlExit::BadValue;
}
