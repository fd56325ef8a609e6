#include "platform/dialog_template.h"

#include <cstring>

CDialogTemplate::CDialogTemplate(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, const char* title)
{
    AddDword(style);
    AddDword(exStyle);
    m_words.push_back(0); // item count
    m_words.push_back(static_cast<WORD>(x));
    m_words.push_back(static_cast<WORD>(y));
    m_words.push_back(static_cast<WORD>(cx));
    m_words.push_back(static_cast<WORD>(cy));
    m_words.push_back(0); // no menu
    m_words.push_back(0); // no window class
    AddText(title);
}

CDialogTemplate::CDialogTemplate(DWORD style, DWORD exStyle, short x, short y, short cx, short cy,
                                 const char* title, WORD pointSize, const char* typeface)
    : CDialogTemplate(style | DS_SETFONT, exStyle, x, y, cx, cy, title)
{
    m_words.push_back(pointSize);
    AddText(typeface);
}

void CDialogTemplate::AddItem(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom,
                              const char* text)
{
    if (m_words.size() % 2)
        m_words.push_back(0); // items start on a 32-bit boundary
    AddDword(style);
    AddDword(0);
    m_words.push_back(static_cast<WORD>(x));
    m_words.push_back(static_cast<WORD>(y));
    m_words.push_back(static_cast<WORD>(cx));
    m_words.push_back(static_cast<WORD>(cy));
    m_words.push_back(id);
    m_words.push_back(0xFFFF);
    m_words.push_back(classAtom);
    AddText(text);
    m_words.push_back(0); // no creation data
    ++m_words[4];         // item count of the header
}

void CDialogTemplate::AddDword(DWORD value)
{
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
}

void CDialogTemplate::AddText(const char* text)
{
    const char* source = text ? text : "";
    const int length = MultiByteToWideChar(CP_ACP, 0, source, -1, nullptr, 0);
    if (length <= 1) {
        m_words.push_back(0);
        return;
    }
    std::vector<wchar_t> wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, source, -1, wide.data(), length);
    for (wchar_t c : wide)
        m_words.push_back(static_cast<WORD>(c));
}
