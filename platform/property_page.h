#pragma once
// A page of a property sheet; its window is made by the sheet when the page is
// first shown and linked to this object then.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    static const CRuntimeClass classCPropertyPage;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCPropertyPage; }

    CPropertyPage() = default;
    explicit CPropertyPage(UINT templateId, UINT captionId = 0) { Construct(templateId, captionId); }

    // From a resource template; a caption ID of 0 keeps the template's title.
    void Construct(UINT templateId, UINT captionId = 0);
    // From an in-memory template that must outlive the page's window.
    void ConstructIndirect(const DLGTEMPLATE* dialogTemplate);
    // Tab title used instead of the template's.
    void SetTitle(const char* title);

    // Answers to the sheet: true lets the page become active / be left.
    virtual bool OnSetActive() { return true; }
    virtual bool OnKillActive() { return true; }
    virtual bool OnApply() { return true; }
    virtual void OnReset() {}
    // Pages do not end their sheet from their own OK and Cancel commands.
    void OnOK() override {}
    void OnCancel() override {}

    CPropertySheet* GetSheet() const;
    void SetModified(bool changed) const;

    // The page's description for the sheet.
    const PROPSHEETPAGEA& Description();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM);

    UINT m_templateId = 0;
    const DLGTEMPLATE* m_template = nullptr;
    std::string m_title;
    PROPSHEETPAGEA m_description = {};
};
