#pragma once
// Texts of a page's controls from the string tables, set at initialisation.

#include <windows.h>

#include <initializer_list>

struct ItemText {
    int controlId;
    UINT stringId;
};

void SetItemTexts(HWND page, std::initializer_list<ItemText> texts);
