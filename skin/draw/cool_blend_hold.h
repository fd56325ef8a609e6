#pragma once
// Keeps "msimg32.dll" loaded for the life of its owner. A skinned control holds it:
// without, the library would be loaded and freed around every single paint, which
// costs more than the paint itself.

#include "skin/draw/cool_blend_library.h"

class CCoolBlendHold {
public:
    CCoolBlendHold() { CCoolBlendLibrary::Acquire(); }
    ~CCoolBlendHold() { CCoolBlendLibrary::Release(); }
    CCoolBlendHold(const CCoolBlendHold&) = delete;
    CCoolBlendHold& operator=(const CCoolBlendHold&) = delete;
};
