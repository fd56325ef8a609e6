#include "skin/scheme/cool_scheme_relay.h"

#include "skin/scheme/cool_messages.h"

bool CCoolSchemeRelay::HandleFrame(UINT message, const std::function<void()>& passOn, LRESULT* result)
{
    if (message == WM_COOL_BEGINSCHEME) {
        m_wholeSchemeArriving = true;
    } else if (message == WM_COOL_ENDSCHEME) {
        m_wholeSchemeArriving = false;
        passOn();
    } else {
        return false;
    }
    *result = 1;
    return true;
}

void CCoolSchemeRelay::Changed(const std::function<void()>& passOn) const
{
    if (!m_wholeSchemeArriving)
        passOn();
}
