#pragma once
// The per-control style number that some controls keep in their scheme's internal
// bits 6-7 (SetStyle).

class CCoolScheme;

// Stores style when it is at most highest: 1 (OnSchemeChanged runs after a change),
// also when it was set already; 0 out of range.
int SetStyleNumber(CCoolScheme& scheme, unsigned style, unsigned highest);
unsigned StyleNumber(const CCoolScheme& scheme);
