#pragma once
// The system's file and colour choosers.

#include <windows.h>
#include <commdlg.h>

#include <string>

// "Text|*.ext||" with every '|' turned into a NUL, as the file dialog wants it.
std::string FileDialogFilter(const char* filter);

class CFileDialog {
public:
    CFileDialog(bool open, const char* defaultExtension, const char* fileName, DWORD flags, const char* filter,
                HWND owner);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK or IDCANCEL.
    INT_PTR DoModal();
    std::string GetPathName() const { return m_path; }

    OPENFILENAMEA m_ofn = {};

private:
    bool m_open;
    std::string m_defaultExtension;
    std::string m_filter;
    char m_path[MAX_PATH] = "";
};

class CColorDialog {
public:
    CColorDialog(COLORREF initial, DWORD flags, HWND owner);
    CColorDialog(const CColorDialog&) = delete;
    CColorDialog& operator=(const CColorDialog&) = delete;

    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORA m_cc = {};

private:
    static COLORREF s_customColors[16];
};
