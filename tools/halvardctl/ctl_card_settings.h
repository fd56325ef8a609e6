#pragma once
// The card's own settings by fixed English names ("eq.preset", "speakers", ...):
// their values and choices as words, and setting them through the card object.

#include "driver/card_mixer.h"
#include "tools/halvardctl/ctl_command_line.h"
#include "tools/halvardctl/ctl_exit_codes.h"
#include "tools/halvardctl/ctl_lines.h"

#include <string>
#include <vector>

class CCtlCardSettings {
public:
    // Lends the card and its lines (for the record source) for the object's life.
    CCtlCardSettings(CCardMixer& card, const std::vector<CtlLine>& lines);

    // Every setting's name, in the order the list shows them.
    static const std::vector<std::string>& Names();
    // The setting's name when the text names one (any letter case), else empty.
    static std::string Canonical(const std::string& text);
    // True for the driver-side settings, whose change a running panel must be told.
    static bool IsDriverSetting(const std::string& name);

    // The current value as a word; empty when the card has no such setting.
    std::string Value(const std::string& name);
    // The words the setting takes on this card.
    std::vector<std::string> Choices(const std::string& name);
    CtlExit Set(const std::string& name, const CtlValue& value, std::string& error);

private:
    struct Choice {
        const char* word;
        DWORD number;
    };
    std::vector<Choice> NumberedChoices(const std::string& name) const;
    bool ReadNumber(const std::string& name, DWORD& number);
    bool WriteNumber(const std::string& name, DWORD number);
    CtlExit SetEqPreset(const std::string& text, std::string& error);

    CCardMixer& m_card;
    const std::vector<CtlLine>& m_lines;
};
