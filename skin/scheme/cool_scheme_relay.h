#pragma once
// When a skinned window that holds children passes its scheme on: after each
// setting message it stores, or, while its container sends it a whole scheme
// (between WM_COOL_BEGINSCHEME and WM_COOL_ENDSCHEME), once after the last message
// instead of after each of the fourteen.

#include <windows.h>

#include <functional>

class CCoolSchemeRelay {
public:
    // Answers the two messages that frame a whole scheme (true when the message is
    // one of them); at the end the scheme is passed on.
    bool HandleFrame(UINT message, const std::function<void()>& passOn, LRESULT* result);
    // After a setting message was stored: the scheme is passed on now, or at the end
    // of the whole scheme that is arriving.
    void Changed(const std::function<void()>& passOn) const;

private:
    bool m_wholeSchemeArriving = false;
};
