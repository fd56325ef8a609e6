#include "tools/halvardctl/ctl_command_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// A channel count beyond any mixer line's.
constexpr size_t kMostNumbers = 8;
constexpr long long kLowestRaw = -2147483648LL;  // a signed 32-bit value
constexpr long long kHighestRaw = 4294967295LL;  // an unsigned 32-bit value

struct VerbSpec {
    const char* word;
    CtlVerb verb;
    size_t operands;
    const char* usage;
};

const VerbSpec kVerbs[] = {
    {"list", CtlVerb::List, 0, "list [--json]"},
    {"get", CtlVerb::Get, 1, "get NAME [--json]"},
    {"set", CtlVerb::Set, 2, "set NAME VALUE"},
    {"load", CtlVerb::Load, 1, "load FILE.msp"},
    {"save", CtlVerb::Save, 1, "save FILE.msp"},
};

bool HasControlCharacter(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

bool IsNumberStart(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+'; }

bool ParseNumber(const std::string& item, long long& number)
{
    if (item.empty())
        return false;
    for (size_t i = 0; i < item.size(); ++i)
        if (!(item[i] >= '0' && item[i] <= '9') && !(i == 0 && (item[i] == '-' || item[i] == '+')))
            return false;
    if (item.size() == 1 && !(item[0] >= '0' && item[0] <= '9'))
        return false;
    errno = 0;
    number = std::strtoll(item.c_str(), nullptr, 10); // beyond its range: the largest, refused below
    return true;
}

// Written like a number list: starts like a number, or holds a percent sign.
bool LooksNumeric(const std::string& text)
{
    if (text.find('%') != std::string::npos)
        return true;
    if (!IsNumberStart(text[0]))
        return false;
    // "5.1" or "80s" are words; only digits, signs, commas and percent signs make numbers.
    return text.find_first_not_of("0123456789+-,%") == std::string::npos;
}

bool CheckText(const char* what, const std::string& text, size_t longest, std::string& error)
{
    if (text.empty()) {
        error = std::string("missing ") + what;
        return false;
    }
    if (text.size() > longest) {
        error = std::string(what) + " too long (at most " + std::to_string(longest) + " characters)";
        return false;
    }
    if (HasControlCharacter(text)) {
        error = std::string(what) + " holds control characters";
        return false;
    }
    return true;
}

const VerbSpec* FindVerb(const std::string& word)
{
    for (const VerbSpec& spec : kVerbs)
        if (word == spec.word)
            return &spec;
    return nullptr;
}

} // namespace

bool ParseCtlValue(const std::string& text, CtlValue& value, std::string& error)
{
    value = CtlValue();
    value.text = text;
    if (!LooksNumeric(text))
        return true;
    size_t start = 0;
    bool percent = false;
    for (size_t index = 0;; ++index) {
        const size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const bool itemPercent = !item.empty() && item.back() == '%';
        if (itemPercent)
            item.pop_back();
        long long number = 0;
        if (!ParseNumber(item, number)) {
            error = "not a number: \"" + text + "\" (write 75%, 40000 or 40000,38000)";
            return false;
        }
        if (index == 0)
            percent = itemPercent;
        if (itemPercent != percent) {
            error = "mixed units in \"" + text + "\" (all raw units or all percent)";
            return false;
        }
        if (value.numbers.size() == kMostNumbers) {
            error = "too many values in \"" + text + "\"";
            return false;
        }
        if (percent ? (number < 0 || number > 100) : (number < kLowestRaw || number > kHighestRaw)) {
            error = "value out of range: \"" + text + "\" (" +
                    (percent ? std::string("0% to 100%") : std::string("32-bit numbers")) + ")";
            return false;
        }
        value.numbers.push_back(number);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    value.form = percent ? CtlValue::Form::Percent : CtlValue::Form::Raw;
    return true;
}

bool ParseCtlCommandLine(const std::vector<std::string>& arguments, CtlCommand& command, std::string& error)
{
    command = CtlCommand();
    std::vector<std::string> operands;
    bool help = false;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h" || argument == "/?")
            help = true;
        else if (argument == "--json")
            command.json = true;
        else if (argument.size() > 2 && argument.compare(0, 2, "--") == 0) {
            error = "unknown option: " + argument.substr(0, kCtlLongestName);
            return false;
        } else
            operands.push_back(argument);
    }
    if (help) {
        command.verb = CtlVerb::Help;
        return true;
    }
    if (operands.empty()) {
        error = "no command given (halvardctl --help lists them)";
        return false;
    }
    const VerbSpec* verb = FindVerb(operands[0]);
    if (verb == nullptr) {
        error = "unknown command \"" + operands[0].substr(0, kCtlLongestName) + "\" (list, get, set, load, save)";
        return false;
    }
    if (operands.size() - 1 != verb->operands) {
        error = std::string(operands.size() - 1 < verb->operands ? "missing" : "too many") +
                " arguments: halvardctl " + verb->usage;
        return false;
    }
    command.verb = verb->verb;
    if (command.json && command.verb != CtlVerb::List && command.verb != CtlVerb::Get) {
        error = std::string("--json goes with list and get, not ") + verb->word;
        return false;
    }
    switch (command.verb) {
    case CtlVerb::Get:
        command.name = operands[1];
        return CheckText("name", command.name, kCtlLongestName, error);
    case CtlVerb::Set:
        command.name = operands[1];
        return CheckText("name", command.name, kCtlLongestName, error) &&
               CheckText("value", operands[2], kCtlLongestValue, error) &&
               ParseCtlValue(operands[2], command.value, error);
    case CtlVerb::Load:
    case CtlVerb::Save:
        command.path = operands[1];
        return CheckText("file name", command.path, kCtlLongestPath, error);
    default:
        return true;
    }
}

const char* CtlHelpText()
{
    return "halvardctl: the Halvard 5.1+ card from the command line\n"
           "\n"
           "  halvardctl list [--json]      every line and control with its type, range and values,\n"
           "                                and the card's settings\n"
           "      halvardctl list --json\n"
           "  halvardctl get NAME [--json]  a line's volume and mute, or a card setting\n"
           "      halvardctl get front\n"
           "  halvardctl set NAME VALUE     a volume in percent or raw units (one value for every\n"
           "                                channel, or one per channel), mute, unmute or toggle,\n"
           "                                the record source by item name, or a card setting\n"
           "      halvardctl set Front 75%\n"
           "      halvardctl set master 40000,38000\n"
           "      halvardctl set wave toggle\n"
           "      halvardctl set record.source \"Line In\"\n"
           "      halvardctl set eq.preset Rock\n"
           "  halvardctl load FILE.msp      applies a settings file of the panel\n"
           "      halvardctl load evening.msp\n"
           "  halvardctl save FILE.msp      saves the card's settings as the panel does (whole or not at all)\n"
           "      halvardctl save evening.msp\n"
           "  halvardctl --help             this text\n"
           "\n"
           "NAME: a line's short or display name (any letter case), its fixed alias (master, front,\n"
           "rear, center, lfe, wave, phones, cd, mic, line, aux, synth, spdif) or its ID (0x1),\n"
           "or a card setting:\n"
           "  eq.enabled     on, off\n"
           "  eq.preset      a preset name\n"
           "  speakers       headphones, stereo, quad, 5.1 (as far as the card has them)\n"
           "  spdif.input    off, auto, on\n"
           "  spdif.output   off, mix, input, dvd\n"
           "  aec            never, auto, always\n"
           "  record.source  an item of the record source\n"
           "\n"
           "Exit codes: 0 done, 1 malformed command line, 2 unknown name, 3 value not taken,\n"
           "4 no card found, 5 file cannot be read or written, 6 the card refused the change.\n";
}
