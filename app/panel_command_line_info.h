#pragma once
// The panel's command line: options written "/name" or "-name", each optionally
// followed by its value as the next argument, and a settings file as the first
// plain argument (the file name of the base record).

#include "platform/command_line_info.h"

#include <string>
#include <unordered_map>

class CPanelCommandLineInfo : public CCommandLineInfo {
public:
    CPanelCommandLineInfo();

    // A flag stores name -> "TRUE" and waits for a value; a plain argument is the
    // waiting option's value. Every argument then goes to the base record too, so a
    // value can also be the first plain argument.
    void ParseParam(const char* param, bool isFlag, bool isLast) override;

    // True and the value when the option was given (names exact and case-sensitive).
    bool Lookup(const char* name, std::string& value) const;

private:
    std::unordered_map<std::string, std::string> m_options;
    // Empty when no option waits for a value.
    std::string m_pendingOption;
};
