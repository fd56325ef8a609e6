#include "pages/page_texts.h"

#include "platform/resource_string.h"

void SetItemTexts(HWND page, std::initializer_list<ItemText> texts)
{
    for (const ItemText& text : texts)
        ::SetDlgItemTextA(page, text.controlId, LoadResourceString(text.stringId).c_str());
}
