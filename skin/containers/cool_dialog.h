#pragma once
// A dialog drawn in its scheme's colours: it takes its first colours from its
// parent, hands its scheme on to every child, keeps its background in a cached
// bitmap (or shows a custom one) and keeps anchored controls in place on resize.
// Owns the cached and the custom background; the icon is borrowed (a resource icon).

#include <windows.h>

#include <memory>

#include "platform/dialog.h"
#include "skin/draw/cool_bitmap.h"
#include "skin/containers/cool_cached_background.h"
#include "skin/scheme/cool_scheme.h"
#include "skin/scheme/cool_scheme_relay.h"

class CCoolDialog : public CDialog, public CCoolScheme {
public:
    static const CRuntimeClass classCCoolDialog;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCCoolDialog; }

    CCoolDialog();
    explicit CCoolDialog(UINT templateId, HWND parent = nullptr);
    ~CCoolDialog() override;

    // Big and small window icon, also drawn when the dialog is minimised.
    void SetDialogIcon(HICON icon) { m_icon = icon; }
    HICON GetDialogIcon() const { return m_icon; }
    // Shown instead of the generated background, stretched to the client area; the
    // dialog takes the bitmap over (null goes back to the generated one).
    void SetCustomBackground(HBITMAP bitmap);

    // Asks the parent for its colours, sets the icon, hands the scheme on.
    BOOL OnInitDialog() override;
    // Hands the scheme on to every child window; dialogs that create or move
    // controls call it again at the end of their own initialisation.
    virtual void SpreadScheme();

    int GetBkBitmap(HBITMAP* bitmap) override;
    int GetBkRect(RECT* rect) override;
    void OnSchemeChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND m_owner = nullptr;

private:
    void EraseBackground(HDC dc);
    void PaintMinimised();
    CCoolBitmap& Shown();
    BackgroundPainter Painter();

    HICON m_icon = nullptr;
    CCoolCachedBackground m_background;
    std::unique_ptr<CCoolBitmap> m_customBackground;
    UINT m_lastMessageId = 0;
    CCoolSchemeRelay m_relay;
};
