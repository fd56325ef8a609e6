#pragma once
// A property sheet over the common controls' sheet, modal or modeless. Pages are
// added before the window exists (or later); the sheet does not own them.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/wnd.h"

class CPropertyPage;

class CPropertySheet : public CWnd {
public:
    static const CRuntimeClass classCPropertySheet;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCPropertySheet; }

    // Control IDs of the sheet's tab control and standard buttons.
    static constexpr int kTabControlId = 0x3020;
    static constexpr int kApplyButtonId = 0x3021;

    CPropertySheet() = default;
    explicit CPropertySheet(const char* caption, HWND parent = nullptr, UINT selectPage = 0)
    {
        Construct(caption, parent, selectPage);
    }
    void Construct(const char* caption, HWND parent = nullptr, UINT selectPage = 0);
    void Construct(UINT captionId, HWND parent = nullptr, UINT selectPage = 0);

    bool AddPage(CPropertyPage* page);
    bool RemovePage(int index);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    bool SetActivePage(int index);
    bool SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }
    HWND GetTabControl() const;

    // Sheet header flags (PSH_*) added to the sheet's own, e.g. PSH_NOAPPLYNOW.
    void SetSheetFlags(DWORD flags) { m_sheetFlags = flags; }
    DWORD GetSheetFlags() const { return m_sheetFlags; }

    // Modeless; a style of (DWORD)-1 keeps the system's sheet style.
    bool Create(HWND parent = nullptr, DWORD style = static_cast<DWORD>(-1), DWORD exStyle = 0);
    INT_PTR DoModal();
    // Modeless: destroys the window; modal: ends the sheet with this result.
    void EndDialog(int result);
    bool IsModeless() const { return m_modeless; }

    // The sheet's initialisation; the default builds the sheet (tabs, first page).
    virtual BOOL OnInitDialog();
    bool PreTranslateMessage(MSG* message) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
    INT_PTR Open(bool modeless, HWND parent);

    std::string m_caption;
    HWND m_parent = nullptr;
    UINT m_startPage = 0;
    DWORD m_sheetFlags = 0;
    DWORD m_style = static_cast<DWORD>(-1);
    DWORD m_exStyle = 0;
    bool m_modeless = false;
    INT_PTR m_result = -1;
    std::vector<CPropertyPage*> m_pages;
};
