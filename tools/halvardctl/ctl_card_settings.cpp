#include "tools/halvardctl/ctl_card_settings.h"

#include "driver/speaker_keys.h"
#include "driver/spdif_settings.h"
#include "tools/halvardctl/ctl_line_values.h"

namespace {

const char* const kEqEnabled = "eq.enabled";
const char* const kEqPreset = "eq.preset";
const char* const kSpeakers = "speakers";
const char* const kSpdifInput = "spdif.input";
const char* const kSpdifOutput = "spdif.output";
const char* const kAec = "aec";
const char* const kRecordSource = "record.source";

constexpr DWORD kSpeakerCodeMask = 0xFF;
constexpr DWORD kSpeakerGeometryMask = 0xFF0000;

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

} // namespace

CCtlCardSettings::CCtlCardSettings(CCardMixer& card, const std::vector<CtlLine>& lines) : m_card(card), m_lines(lines) {}

const std::vector<std::string>& CCtlCardSettings::Names()
{
    static const std::vector<std::string> names = {kEqEnabled, kEqPreset, kSpeakers, kSpdifInput,
                                                   kSpdifOutput, kAec, kRecordSource};
    return names;
}

std::string CCtlCardSettings::Canonical(const std::string& text)
{
    for (const std::string& name : Names())
        if (CtlSameText(name, text))
            return name;
    return std::string();
}

bool CCtlCardSettings::IsDriverSetting(const std::string& name)
{
    return !name.empty() && name != kRecordSource;
}

std::vector<CCtlCardSettings::Choice> CCtlCardSettings::NumberedChoices(const std::string& name) const
{
    if (name == kEqEnabled)
        return {{"off", 0}, {"on", 1}};
    if (name == kSpdifInput)
        return {{"off", kSpdifInputOff}, {"auto", kSpdifInputSensing}, {"on", kSpdifInputOn}};
    if (name == kSpdifOutput)
        return {{"off", kSpdifOutputOff}, {"mix", kSpdifOutputMainMix}, {"input", kSpdifOutputInput},
                {"dvd", kSpdifOutputSoftwareDvd}};
    if (name == kAec)
        return {{"never", kAecNever}, {"auto", kAecAutomatic}, {"always", kAecAlways}};
    if (name == kSpeakers) {
        // Only the configurations this card has: it would turn others into smaller ones.
        std::vector<Choice> choices = {{"headphones", kSpeakerHeadphones}, {"stereo", kSpeakerStereo}};
        if (m_card.FourChannelCapable())
            choices.push_back({"quad", kSpeakerQuad});
        if (m_card.SixChannelCapable())
            choices.push_back({"5.1", kSpeakerSix});
        return choices;
    }
    return {};
}

bool CCtlCardSettings::ReadNumber(const std::string& name, DWORD& number)
{
    if (name == kEqEnabled)
        number = m_card.IsEqEnabled() ? 1 : 0;
    else if (name == kSpdifInput)
        number = m_card.GetSpdifInputMode();
    else if (name == kSpdifOutput)
        number = m_card.GetSpdifOutputSource();
    else if (name == kAec)
        number = m_card.GetAecMode();
    else if (name == kSpeakers) {
        number = m_card.GetSpeakerConfig() & kSpeakerCodeMask;
        if (number == kSpeakerSurround)
            number = kSpeakerSix;
    } else
        return false;
    return true;
}

bool CCtlCardSettings::WriteNumber(const std::string& name, DWORD number)
{
    if (name == kEqEnabled)
        m_card.SetEqEnabled(static_cast<int>(number));
    else if (name == kSpdifInput)
        m_card.SetSpdifInputMode(number);
    else if (name == kSpdifOutput)
        m_card.SetSpdifOutputSource(number);
    else if (name == kAec)
        m_card.SetAecMode(number);
    else if (name == kSpeakers)
        // The geometry bits stay as they are; the card sets them for stereo when there are none.
        m_card.SetSpeakerConfig((m_card.GetSpeakerConfig() & kSpeakerGeometryMask) | number);
    // Success is what the card holds afterwards: a refused routing falls back.
    DWORD reached = 0;
    return ReadNumber(name, reached) && reached == number;
}

std::string CCtlCardSettings::Value(const std::string& name)
{
    if (name == kEqPreset)
        return m_card.CurrentEqSetName();
    if (name == kRecordSource) {
        MixerControlEntry* mux = nullptr;
        std::string item;
        if (FindRecordSourceLine(m_lines, &mux) != nullptr && ReadCtlMuxItem(m_card, *mux, item))
            return item;
        return std::string();
    }
    DWORD number = 0;
    if (!ReadNumber(name, number))
        return std::string();
    for (const Choice& choice : NumberedChoices(name))
        if (choice.number == number)
            return choice.word;
    return std::to_string(number);
}

std::vector<std::string> CCtlCardSettings::Choices(const std::string& name)
{
    std::vector<std::string> words;
    if (name == kEqPreset) {
        for (int i = 0; i < m_card.GetEqSetCount(); ++i)
            if (const char* preset = m_card.GetEqSetName(i))
                words.push_back(preset);
    } else if (name == kRecordSource) {
        MixerControlEntry* mux = nullptr;
        if (FindRecordSourceLine(m_lines, &mux) != nullptr)
            words = CtlMuxItems(*mux);
    } else {
        for (const Choice& choice : NumberedChoices(name))
            words.push_back(choice.word);
    }
    return words;
}

CtlExit CCtlCardSettings::SetEqPreset(const std::string& text, std::string& error)
{
    for (int i = 0; i < m_card.GetEqSetCount(); ++i) {
        const char* preset = m_card.GetEqSetName(i);
        if (preset == nullptr || !CtlSameText(preset, text))
            continue;
        const std::string exact = preset; // the list is rebuilt by the load
        if (!m_card.LoadEqSet(exact.c_str(), true) || exact != m_card.CurrentEqSetName()) {
            error = "the card did not take the equalizer preset \"" + exact + "\"";
            return CtlExit::Refused;
        }
        return CtlExit::Ok;
    }
    const std::vector<std::string> presets = Choices(kEqPreset);
    error = "value out of range: eq.preset is one of " + (presets.empty() ? std::string("(no presets)") : Joined(presets));
    return CtlExit::BadValue;
}

CtlExit CCtlCardSettings::Set(const std::string& name, const CtlValue& value, std::string& error)
{
    if (name == kEqPreset)
        return SetEqPreset(value.text, error);
    if (name == kRecordSource) {
        MixerControlEntry* mux = nullptr;
        if (FindRecordSourceLine(m_lines, &mux) == nullptr) {
            error = "this card has no record source";
            return CtlExit::BadValue;
        }
        return SelectCtlMuxItem(m_card, *mux, value.text, error);
    }
    for (const Choice& choice : NumberedChoices(name)) {
        if (!CtlSameText(choice.word, value.text))
            continue;
        if (WriteNumber(name, choice.number))
            return CtlExit::Ok;
        error = "the card did not take " + name + " " + choice.word + "; it is " + Value(name) + " now";
        return CtlExit::Refused;
    }
    error = "value out of range: " + name + " is one of " + Joined(Choices(name));
    return CtlExit::BadValue;
}
