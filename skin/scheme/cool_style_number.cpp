#include "skin/scheme/cool_style_number.h"

#include "skin/scheme/cool_scheme.h"

unsigned StyleNumber(const CCoolScheme& scheme)
{
    return (scheme.m_flags & CCoolScheme::kStyleMask) >> CCoolScheme::kStyleShift;
}

int SetStyleNumber(CCoolScheme& scheme, unsigned style, unsigned highest)
{
    if (style > highest)
        return 0;
    if (StyleNumber(scheme) == style)
        return 1;
    scheme.m_flags = (scheme.m_flags & ~CCoolScheme::kStyleMask) | (style << CCoolScheme::kStyleShift);
    scheme.OnSchemeChanged();
    return 1;
}
