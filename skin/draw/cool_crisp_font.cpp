#include "skin/draw/cool_crisp_font.h"

HFONT CCoolCrispFont::Substitute(HFONT given)
{
    if (m_restoring || (given != nullptr && given == m_crisp.GetHandle()))
        return given;
    LOGFONTA font = {};
    const HGDIOBJ source = given != nullptr ? static_cast<HGDIOBJ>(given) : ::GetStockObject(SYSTEM_FONT);
    if (::GetObjectA(source, sizeof(font), &font) != sizeof(font))
        return given;
    font.lfQuality = NONANTIALIASED_QUALITY;
    CFont crisp;
    if (!crisp.CreateFontIndirect(&font))
        return given;
    m_given = given;
    m_previous.Attach(m_crisp.Detach());
    m_crisp.Attach(crisp.Detach());
    return m_crisp.GetHandle();
}

void CCoolCrispFont::Apply(HWND window)
{
    const auto current = reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
    if (current != nullptr && current == m_crisp.GetHandle())
        return;
    // WM_SETFONT passes through the control, which substitutes the crisp copy.
    ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(current), FALSE);
}

void CCoolCrispFont::Restore(HWND window)
{
    if (m_crisp.GetSafeHandle() == nullptr || !::IsWindow(window))
        return;
    const auto current = reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
    if (current == m_crisp.GetHandle() || current == m_previous.GetHandle()) {
        m_restoring = true;
        ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(m_given), FALSE);
        m_restoring = false;
    }
    m_crisp.DeleteObject();
    m_previous.DeleteObject();
}
