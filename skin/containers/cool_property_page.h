#pragma once
// A property page drawn in its scheme's colours. It has no background of its own:
// it shows the part of its sheet's background that lies behind it. The pages of the
// panel derive from it and answer its refresh and size questions.

#include <windows.h>

#include "platform/property_page.h"
#include "skin/scheme/cool_scheme.h"
#include "skin/scheme/cool_scheme_relay.h"

class CCoolPropertySheet;

class CCoolPropertyPage : public CPropertyPage, public CCoolScheme {
public:
    static const CRuntimeClass classCCoolPropertyPage;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCCoolPropertyPage; }

    CCoolPropertyPage() = default;
    explicit CCoolPropertyPage(UINT templateId, UINT captionId = 0) : CPropertyPage(templateId, captionId) {}

    // Asks the parent for its colours, takes the sheet's light point, hands the
    // scheme on.
    BOOL OnInitDialog() override;
    // Hands the scheme on to every child window; pages that create or move controls
    // call it again at the end of their own initialisation.
    virtual void SpreadScheme();

    // Leaving the page: the page's answer to the sheet (true lets it go).
    bool OnKillActive() override { return OnDeactivate(); }

    // Deactivation hook: the platform page's answer unless a page overrides it.
    virtual bool OnDeactivate() { return CPropertyPage::OnKillActive(); }
    // Reads the page's settings back into its controls; nothing here.
    virtual void Refresh() {}
    // The sheet went off the screen (hidden or minimised: false) or came back (true).
    // Pages stop their timers while it is off and start them again when it is back;
    // the sheet refreshes its active page after this. Nothing here.
    virtual void OnSheetVisible(bool visible) {}
    // The page's own size for sizing the sheet; 0 here.
    virtual int GetPageWidth() { return 0; }
    virtual int GetPageHeight() { return 0; }

    int GetBkBitmap(HBITMAP* bitmap) override;
    int GetBkRect(RECT* rect) override;

    // The sheet this page belongs to when it is a skinned one, else null.
    CCoolPropertySheet* GetCoolSheet() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void EraseBackground(HDC dc);

    CCoolSchemeRelay m_relay;
};
