#include "tools/halvardctl/ctl_run.h"

#include "app/settings_file_commands.h"
#include "driver/card_mixer.h"
#include "driver/card_settings_message.h"
#include "mixer/mixer_functions.h"
#include "platform/resource_string.h"
#include "string_ids.h"
#include "tools/halvardctl/ctl_card_settings.h"
#include "tools/halvardctl/ctl_command_line.h"
#include "tools/halvardctl/ctl_exit_codes.h"
#include "tools/halvardctl/ctl_line_values.h"
#include "tools/halvardctl/ctl_list.h"
#include "tools/halvardctl/ctl_names.h"

#include <cstring>
#include <memory>

namespace {

// A settings file begins with one of these within its first lines.
constexpr const char* kSettingsMarks[] = {"Begin NonWSS Settings", "Begin settings"};
constexpr int kLinesSearchedForMark = 8;
constexpr int kClosestNamesShown = 3;

int Fail(FILE* err, CtlExit code, const std::string& message)
{
    // One line whatever the message holds: a name from the command line is bounded
    // and has no line breaks, but the card's texts are not trusted either.
    std::string line = message;
    for (char& c : line)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::fprintf(err, "halvardctl: %s\n", line.c_str());
    return static_cast<int>(code);
}

// Readable and written like a settings file; checked before the card is opened.
bool IsReadableSettingsFile(const std::string& path, std::string& error)
{
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        error = "cannot read \"" + path + "\"";
        return false;
    }
    char line[512];
    bool marked = false;
    for (int i = 0; i < kLinesSearchedForMark && !marked && std::fgets(line, sizeof(line), file) != nullptr; ++i)
        for (const char* mark : kSettingsMarks)
            marked = marked || std::strncmp(line, mark, std::strlen(mark)) == 0;
    std::fclose(file);
    if (!marked)
        error = "\"" + path + "\" is not a settings file";
    return marked;
}

// Whether the mixer device of that name exists, asked without opening it, so that
// a machine without the card gets a line and no message box.
bool HasMixerDevice(const std::string& productName)
{
    const MixerFunctions& api = MixerApi();
    const UINT count = api.getNumDevs();
    for (UINT i = 0; i < count; ++i) {
        MIXERCAPSA caps = {};
        if (api.getDevCaps(i, &caps, sizeof(caps)) == MMSYSERR_NOERROR &&
            std::strncmp(caps.szPname, productName.c_str(), sizeof(caps.szPname)) == 0)
            return true;
    }
    return false;
}

class CCtlSession {
public:
    CCtlSession(CCardMixer& card, FILE* out, FILE* err)
        : m_card(card), m_lines(CollectCtlLines(card, card.SixChannelCapable() != 0)), m_settings(card, m_lines),
          m_out(out), m_err(err)
    {
    }

    int Run(const CtlCommand& command);

private:
    int Resolve(const std::string& name, CtlTarget& target);
    int Get(const std::string& name, bool json);
    int Set(const std::string& name, const CtlValue& value);
    int Print(const CtlTarget& target, bool json);

    CCardMixer& m_card;
    std::vector<CtlLine> m_lines;
    CCtlCardSettings m_settings;
    FILE* m_out;
    FILE* m_err;
};

int CCtlSession::Run(const CtlCommand& command)
{
    switch (command.verb) {
    case CtlVerb::List: {
        const std::string text = command.json ? CtlListJson(m_card, m_lines, m_settings)
                                              : CtlListTable(m_card, m_lines, m_settings);
        std::fputs(text.c_str(), m_out);
        return static_cast<int>(CtlExit::Ok);
    }
    case CtlVerb::Get:
        return Get(command.name, command.json);
    case CtlVerb::Set:
        return Set(command.name, command.value);
    case CtlVerb::Load:
        if (!LoadSettingsFileFrom(m_card, command.path.c_str()))
            return Fail(m_err, CtlExit::File, "cannot read \"" + command.path + "\"");
        BroadcastCardSettingsChanged();
        return static_cast<int>(CtlExit::Ok);
    case CtlVerb::Save:
        if (!SaveSettingsFileTo(m_card, command.path.c_str()))
            return Fail(m_err, CtlExit::File, "cannot write \"" + command.path + "\"");
        return static_cast<int>(CtlExit::Ok);
    default:
        return static_cast<int>(CtlExit::Usage);
    }
}

int CCtlSession::Resolve(const std::string& name, CtlTarget& target)
{
    if (ResolveCtlName(name, m_lines, target))
        return static_cast<int>(CtlExit::Ok);
    std::string closest;
    for (const std::string& candidate : ClosestCtlNames(name, m_lines, kClosestNamesShown))
        closest += (closest.empty() ? "" : ", ") + candidate;
    return Fail(m_err, CtlExit::UnknownName, "unknown name \"" + name + "\" (closest: " + closest + ")");
}

int CCtlSession::Print(const CtlTarget& target, bool json)
{
    if (target.line == nullptr) {
        const std::string value = m_settings.Value(target.setting);
        if (json)
            std::fprintf(m_out, "{\"name\": %s, \"value\": %s}\n", CtlJsonText(target.setting).c_str(),
                         CtlJsonText(value).c_str());
        else
            std::fprintf(m_out, "%s\n", value.c_str());
        return static_cast<int>(CtlExit::Ok);
    }
    CtlLineState state;
    if (!ReadCtlLine(m_card, *target.line, state))
        return Fail(m_err, CtlExit::Refused, "the card did not answer");
    if (json)
        std::fprintf(m_out, "{\"name\": %s, %s}\n", CtlJsonText(CtlShortName(*target.line)).c_str(),
                     FormatCtlLineJson(state).c_str());
    else
        std::fprintf(m_out, "%s\n", FormatCtlLine(state).c_str());
    return static_cast<int>(CtlExit::Ok);
}

int CCtlSession::Get(const std::string& name, bool json)
{
    CtlTarget target;
    const int resolved = Resolve(name, target);
    return resolved != 0 ? resolved : Print(target, json);
}

int CCtlSession::Set(const std::string& name, const CtlValue& value)
{
    CtlTarget target;
    const int resolved = Resolve(name, target);
    if (resolved != 0)
        return resolved;
    std::string error;
    const CtlExit result = target.line != nullptr ? SetCtlLine(m_card, *target.line, value, error)
                                                  : m_settings.Set(target.setting, value, error);
    // A running panel hears of mixer changes from the mixer; of the card's own
    // settings only from this message (also when a refused change left a fallback).
    if (target.line == nullptr && CCtlCardSettings::IsDriverSetting(target.setting) && result != CtlExit::BadValue)
        BroadcastCardSettingsChanged();
    if (result != CtlExit::Ok)
        return Fail(m_err, result, error);
    return Print(target, false);
}

} // namespace

int RunHalvardCtl(const std::vector<std::string>& arguments, FILE* out, FILE* err)
{
    CtlCommand command;
    std::string error;
    if (!ParseCtlCommandLine(arguments, command, error))
        return Fail(err, CtlExit::Usage, error);
    if (command.verb == CtlVerb::Help) {
        std::fputs(CtlHelpText(), out);
        return static_cast<int>(CtlExit::Ok);
    }
    if (command.verb == CtlVerb::Load && !IsReadableSettingsFile(command.path, error))
        return Fail(err, CtlExit::File, error);
    const std::string productName = LoadResourceString(IDS_PRODUCT_NAME);
    if (productName.empty() || !HasMixerDevice(productName))
        return Fail(err, CtlExit::NoCard, "no card found");
    // The card object is large; the tool never removes the autostart value, whatever happens.
    auto card = std::make_unique<CCardMixer>();
    if (!card->OpenCard(productName.c_str()))
        return Fail(err, CtlExit::NoCard, "no card found");
    CCtlSession session(*card, out, err);
    return session.Run(command);
}
