#include "platform/common_dialogs.h"

#include <cstdio>

std::string FileDialogFilter(const char* filter)
{
    std::string result = filter ? filter : "";
    for (char& c : result)
        if (c == '|')
            c = '\0';
    // The list ends with two NULs even when the text lacked the closing "||".
    result.push_back('\0');
    result.push_back('\0');
    return result;
}

CFileDialog::CFileDialog(bool open, const char* defaultExtension, const char* fileName, DWORD flags,
                         const char* filter, HWND owner)
    : m_open(open), m_defaultExtension(defaultExtension ? defaultExtension : ""), m_filter(FileDialogFilter(filter))
{
    if (fileName)
        std::snprintf(m_path, sizeof(m_path), "%s", fileName);
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = owner;
    m_ofn.lpstrFilter = m_filter.c_str();
    m_ofn.lpstrFile = m_path;
    m_ofn.nMaxFile = sizeof(m_path);
    m_ofn.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();
    m_ofn.Flags = flags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal()
{
    const BOOL chosen = m_open ? GetOpenFileNameA(&m_ofn) : GetSaveFileNameA(&m_ofn);
    m_path[sizeof(m_path) - 1] = '\0';
    return chosen ? IDOK : IDCANCEL;
}

COLORREF CColorDialog::s_customColors[16] = {};

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, HWND owner)
{
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.hwndOwner = owner;
    m_cc.rgbResult = initial;
    m_cc.lpCustColors = s_customColors;
    m_cc.Flags = flags;
}

INT_PTR CColorDialog::DoModal()
{
    return ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}
