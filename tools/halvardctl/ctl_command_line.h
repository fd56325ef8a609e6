#pragma once
// The command line of halvardctl, checked whole before the card is opened: a
// malformed command opens nothing and changes nothing.

#include <string>
#include <vector>

enum class CtlVerb { Help, List, Get, Set, Load, Save };

// The longest name (a line's display name has 63 characters at most), value (an
// equalizer preset name has 99) and file path (the system's path limit).
constexpr size_t kCtlLongestName = 63;
constexpr size_t kCtlLongestValue = 99;
constexpr size_t kCtlLongestPath = 259;

// A value as written: a list of numbers (raw units or percent), or a word.
struct CtlValue {
    enum class Form { Word, Raw, Percent };
    Form form = Form::Word;
    std::vector<long long> numbers; // raw units, or percent 0-100
    std::string text;               // as written
};

struct CtlCommand {
    CtlVerb verb = CtlVerb::Help;
    bool json = false;
    std::string name;  // get, set
    CtlValue value;    // set
    std::string path;  // load, save
};

// False with a one-line reason when the command line (without the program's
// name) is malformed.
bool ParseCtlCommandLine(const std::vector<std::string>& arguments, CtlCommand& command, std::string& error);

// Reads a value: numbers separated by commas, all in raw units or all in percent
// ("75%"); anything else that is not written like a number is a word. False with a
// reason for a number list that is malformed or out of range.
bool ParseCtlValue(const std::string& text, CtlValue& value, std::string& error);

// The help text: every command with an example.
const char* CtlHelpText();
