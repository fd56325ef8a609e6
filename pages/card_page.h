#pragma once
// The base of the card's pages: a skinned page built with the card and the sheet's
// host view, which reads the card back into its controls whenever it becomes the
// active page (and, through the sheet, after a settings file was loaded), sets its
// items' texts from the string table when it starts, and reaches its items by ID.
//
// Borrows the card and the host (both outlive the page; the host may be null) and
// the table of item texts (a static table of the page's own file).

#include <windows.h>

#include <cstddef>

#include "skin/containers/cool_property_page.h"

class CCardMixer;
class CPageHost;

// An item of a page's template and the string that names it.
struct ItemText {
    int itemId;
    UINT stringId;
};

class CCardPage : public CCoolPropertyPage {
public:
    static const CRuntimeClass classCCardPage;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCCardPage; }

    template <std::size_t N>
    CCardPage(UINT templateId, UINT captionId, CCardMixer* card, CPageHost* host, const ItemText (&texts)[N])
        : CCoolPropertyPage(templateId, captionId), m_card(card), m_host(host), m_texts(texts), m_textCount(N)
    {
    }

    // The skinned page's preparation, then the texts of the table.
    BOOL OnInitDialog() override;
    // The page shows what the card has now before it is shown.
    bool OnSetActive() override;

protected:
    // An item's text from the string table; without the string the template's
    // text stays (false then).
    bool SetItemText(int id, UINT stringId) const;
    void Show(int id, bool show) const;
    void Enable(int id, bool enable) const;
    void Check(int id, bool check) const;
    bool IsChecked(int id) const;
    // The item's own flag: the page itself may be hidden behind another.
    bool IsShown(int id) const;

    CCardMixer* const m_card;
    CPageHost* const m_host;

private:
    const ItemText* m_texts;
    std::size_t m_textCount;
};
