#include "app/panel_command_line_info.h"

namespace {

// The option table holds a handful of names.
constexpr size_t kOptionBuckets = 10;

} // namespace

CPanelCommandLineInfo::CPanelCommandLineInfo()
{
    m_options.reserve(kOptionBuckets);
}

void CPanelCommandLineInfo::ParseParam(const char* param, bool isFlag, bool isLast)
{
    if (param != nullptr) {
        if (isFlag) {
            m_options[param] = "TRUE";
            m_pendingOption = param;
        } else if (!m_pendingOption.empty()) {
            m_options[m_pendingOption] = param;
            m_pendingOption.clear();
        }
    }
    CCommandLineInfo::ParseParam(param, isFlag, isLast);
}

bool CPanelCommandLineInfo::Lookup(const char* name, std::string& value) const
{
    if (name == nullptr)
        return false;
    const auto found = m_options.find(name);
    if (found == m_options.end())
        return false;
    value = found->second;
    return true;
}
