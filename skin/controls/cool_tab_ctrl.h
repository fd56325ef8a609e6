#pragma once
// A skinned tab control (tabs or buttons) drawn from a cached face. Tabs can be
// disabled: a disabled tab shows no caption and cannot be selected; in a property
// sheet, a page that refuses to be left keeps the selection.

#include <windows.h>

#include <string>

#include <vector>

#include "platform/common_controls.h"
#include "skin/controls/cool_control.h"
#include "skin/scheme/cool_scheme.h"

class CCoolDC;

// The caption colour of a tab that is not selected, on its face of CCOL_STATICDARK.
COLORREF UnselectedTabCaptionColor(const CCoolScheme& scheme);

class CCoolTabCtrl : public CCoolControl<CTabCtrl> {
public:
    CCoolTabCtrl();
    ~CCoolTabCtrl() override;

    void EnableTab(int index, bool enable);
    bool IsTabEnabled(int index) const;
    void OnSchemeChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void Paint(CCoolDC& dc, const RECT& client) override;
    bool FaceKey(std::string* key) override;
    void DrawFace(CCoolDC& dc, const RECT& client);
    void DrawTab(CCoolDC& dc, int index, const RECT& rect, bool selected, RECT* frame);
    bool MaySelect();
    int KeyTarget(WPARAM key) const;
    bool PageAgreesToLeave() const;

    std::vector<int> m_disabled;
    bool m_mousePress = false;
    int m_keyTarget = -1;
};
