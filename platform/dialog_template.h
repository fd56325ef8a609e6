#pragma once
// A dialog template built in memory: the header (no menu, no window class, a title)
// followed by optional items. Without items and with title "A" it is 26 bytes.

#include <windows.h>

#include <cstddef>
#include <vector>

class CDialogTemplate {
public:
    CDialogTemplate(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, const char* title);
    // With a typeface: DS_SETFONT is added to the style and the font follows the title.
    CDialogTemplate(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, const char* title,
                    WORD pointSize, const char* typeface);

    // classAtom: 0x0080 button, 0x0081 edit, 0x0082 static, 0x0083 list box, 0x0084 scroll bar, 0x0085 combo box.
    void AddItem(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom, const char* text);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }
    std::size_t Size() const { return m_words.size() * sizeof(WORD); }

private:
    void AddDword(DWORD value);
    void AddText(const char* text);

    std::vector<WORD> m_words;
};
