#pragma once
// The parsed command line. Each argument is offered in order to ParseParam, a leading
// "/" or "-" stripped and reported as the flag state; the first plain argument
// becomes the file name.

#include <string>

class CCommandLineInfo {
public:
    virtual ~CCommandLineInfo() = default;
    virtual void ParseParam(const char* param, bool isFlag, bool isLast);

    std::string m_strFileName;
};
