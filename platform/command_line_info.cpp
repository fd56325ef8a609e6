#include "platform/command_line_info.h"

void CCommandLineInfo::ParseParam(const char* param, bool isFlag, bool)
{
    if (!isFlag && param && m_strFileName.empty())
        m_strFileName = param;
}
