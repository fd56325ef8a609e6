#include "tools/halvardctl/ctl_list.h"

#include "tools/halvardctl/ctl_line_values.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// One control as the list shows it.
struct ControlView {
    std::string id;
    std::string name;
    std::string type;
    std::string range;
    std::vector<std::string> values; // empty: none to show
    std::vector<int> percent;        // volumes and faders only
    bool live = false;               // a meter: its reading moves
};

std::string Hex(DWORD number, int digits)
{
    char text[16];
    std::snprintf(text, sizeof(text), "0x%0*lX", digits, static_cast<unsigned long>(number));
    return text;
}

std::string Bounded(const char* field, size_t size) { return std::string(field, strnlen(field, size)); }

std::string TypeWord(const MixerControlEntry& entry)
{
    const DWORD type = entry.control.dwControlType;
    if (entry.kind == 0)
        return "unhandled";
    switch (type) {
    case MIXERCONTROL_CONTROLTYPE_VOLUME: return "volume";
    case MIXERCONTROL_CONTROLTYPE_MUTE: return "mute";
    case MIXERCONTROL_CONTROLTYPE_MUX: return "mux";
    case MIXERCONTROL_CONTROLTYPE_PEAKMETER: return "peakmeter";
    case MIXERCONTROL_CONTROLTYPE_ONOFF: return "onoff";
    }
    switch (type & MIXERCONTROL_CT_CLASS_MASK) {
    case MIXERCONTROL_CT_CLASS_METER: return "meter";
    case MIXERCONTROL_CT_CLASS_SWITCH: return "switch";
    case MIXERCONTROL_CT_CLASS_NUMBER: return "number";
    case MIXERCONTROL_CT_CLASS_SLIDER: return "slider";
    case MIXERCONTROL_CT_CLASS_FADER: return "fader";
    case MIXERCONTROL_CT_CLASS_TIME: return "time";
    case MIXERCONTROL_CT_CLASS_LIST: return "list";
    default: return "custom";
    }
}

ControlView ViewOf(CMixerDevice& mixer, MixerControlEntry& entry)
{
    ControlView view;
    view.id = Hex(entry.control.dwControlID, 8);
    view.name = Bounded(entry.control.szName, sizeof(entry.control.szName));
    view.type = TypeWord(entry);
    if (entry.kind == 0 || !entry.HasValues())
        return view;
    if ((entry.kind & VK_ITEMNAMES) != 0) {
        const std::vector<std::string> items = CtlMuxItems(entry);
        for (const std::string& item : items)
            view.range += (view.range.empty() ? "" : "|") + item;
        std::string selected;
        if ((entry.kind & VK_BOOLEAN) != 0 && ReadCtlMuxItem(mixer, entry, selected))
            view.values.push_back(selected);
        return view;
    }
    const bool isUnsigned = (entry.kind & VK_UNSIGNED) != 0;
    view.range = (entry.kind & VK_BOOLEAN) != 0 ? "0..1"
                 : isUnsigned ? std::to_string(entry.control.Bounds.dwMinimum) + ".." + std::to_string(entry.control.Bounds.dwMaximum)
                              : std::to_string(entry.control.Bounds.lMinimum) + ".." + std::to_string(entry.control.Bounds.lMaximum);
    if (IsMeterControlType(entry.control.dwControlType)) {
        view.live = true;
        return view;
    }
    if (!mixer.GetDetails(entry))
        return view;
    for (unsigned i = 0; i < entry.count; ++i) {
        const LONG value = entry.Values()[i];
        view.values.push_back(isUnsigned ? std::to_string(static_cast<DWORD>(value)) : std::to_string(value));
        if (isUnsigned && (entry.control.dwControlType & MIXERCONTROL_CT_CLASS_MASK) == MIXERCONTROL_CT_CLASS_FADER)
            view.percent.push_back(CtlPercentOf(static_cast<DWORD>(value), entry.control.Bounds.dwMinimum,
                                                entry.control.Bounds.dwMaximum));
    }
    return view;
}

std::string Joined(const std::vector<std::string>& items, const char* separator)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : separator) + item;
    return text;
}

std::string Row(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Row(const char* format, ...)
{
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof(text), format, arguments);
    va_end(arguments);
    std::string row = text;
    while (!row.empty() && row.back() == ' ')
        row.pop_back();
    return row + "\n";
}

std::string ValuesText(const ControlView& view)
{
    if (view.live)
        return "(live)";
    if (view.values.empty())
        return "-";
    std::string text = Joined(view.values, " ");
    if (!view.percent.empty()) {
        std::vector<std::string> percent;
        for (int p : view.percent)
            percent.push_back(std::to_string(p) + "%");
        text += " (" + Joined(percent, " ") + ")";
    }
    return text;
}

std::string CardTitle(CCardMixer& card)
{
    const char* channels = card.SixChannelCapable() ? "six channels" : card.FourChannelCapable() ? "four channels" : "two channels";
    return Bounded(card.Caps().szPname, sizeof(card.Caps().szPname)) + ", " + channels;
}

} // namespace

std::string CtlListTable(CCardMixer& card, const std::vector<CtlLine>& lines, CCtlCardSettings& settings)
{
    std::string text = CardTitle(card) + "\n";
    int destination = -1;
    for (const CtlLine& line : lines) {
        if (line.destination != destination) {
            destination = line.destination;
            text += Row("\ndestination %d: %s", destination, card.GetDestinationName(destination));
            text += Row("  %-10s  %-16s  %-20s  %-8s  %-10s  %-10s  %-14s  %s", "ID", "LINE", "NAME", "ALIAS",
                        "CONTROL", "TYPE", "RANGE", "VALUES");
        }
        text += Row("  %-10s  %-16s  %-20s  %-8s", CtlLineId(line).c_str(), CtlShortName(line).c_str(),
                    CtlDisplayName(line).c_str(), line.alias.empty() ? "-" : line.alias.c_str());
        for (const auto& control : line.entry->controls) {
            if (!control)
                continue;
            const ControlView view = ViewOf(card, *control);
            text += Row("  %-10s  %-16s  %-20s  %-8s  %-10s  %-10s  %-14s  %s", "", "", view.name.c_str(), "",
                        view.id.c_str(), view.type.c_str(), view.range.empty() ? "-" : view.range.c_str(),
                        ValuesText(view).c_str());
        }
    }
    text += Row("\ncard settings");
    text += Row("  %-14s  %-16s  %s", "NAME", "VALUE", "CHOICES");
    for (const std::string& name : CCtlCardSettings::Names()) {
        const std::vector<std::string> choices = settings.Choices(name);
        text += Row("  %-14s  %-16s  %s", name.c_str(), settings.Value(name).c_str(),
                    choices.empty() ? "-" : Joined(choices, "|").c_str());
    }
    return text;
}

std::string CtlListJson(CCardMixer& card, const std::vector<CtlLine>& lines, CCtlCardSettings& settings)
{
    std::string json = "{\n  \"card\": " + CtlJsonText(CardTitle(card)) + ",\n  \"lines\": [";
    for (size_t l = 0; l < lines.size(); ++l) {
        const CtlLine& line = lines[l];
        json += std::string(l == 0 ? "" : ",") + "\n    {\"id\": " + std::to_string(line.entry->line.dwLineID) +
                ", \"destination\": " + std::to_string(line.destination) + ", \"source\": " + std::to_string(line.source) +
                ", \"shortName\": " + CtlJsonText(CtlShortName(line)) + ", \"name\": " + CtlJsonText(CtlDisplayName(line)) +
                ", \"alias\": " + (line.alias.empty() ? std::string("null") : CtlJsonText(line.alias)) + ", \"controls\": [";
        bool first = true;
        for (const auto& control : line.entry->controls) {
            if (!control)
                continue;
            const ControlView view = ViewOf(card, *control);
            std::vector<std::string> values;
            for (const std::string& value : view.values)
                values.push_back((control->kind & VK_ITEMNAMES) != 0 ? CtlJsonText(value) : value);
            json += std::string(first ? "" : ",") + "\n      {\"id\": " + std::to_string(control->control.dwControlID) +
                    ", \"name\": " + CtlJsonText(view.name) + ", \"type\": " + CtlJsonText(view.type) +
                    ", \"range\": " + CtlJsonText(view.range) + ", \"values\": " +
                    (view.live ? std::string("null") : "[" + Joined(values, ", ") + "]") + "}";
            first = false;
        }
        json += first ? "]}" : "\n    ]}";
    }
    json += "\n  ],\n  \"settings\": {";
    bool first = true;
    for (const std::string& name : CCtlCardSettings::Names()) {
        std::vector<std::string> choices;
        for (const std::string& choice : settings.Choices(name))
            choices.push_back(CtlJsonText(choice));
        json += std::string(first ? "" : ",") + "\n    " + CtlJsonText(name) + ": {\"value\": " +
                CtlJsonText(settings.Value(name)) + ", \"choices\": [" + Joined(choices, ", ") + "]}";
        first = false;
    }
    return json + "\n  }\n}\n";
}
