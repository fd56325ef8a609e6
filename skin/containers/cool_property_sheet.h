#pragma once
// A property sheet drawn in its scheme's colours: it hands its scheme on to its
// pages and every control, draws a generated background or a picture (alone or
// blended over it) into a cached bitmap that its pages show through, routes status
// texts to its status bar, and can live in the notification area: while its tray
// icon is shown, closing hides it and a double-click brings it back; it shows the
// icon again after the shell restarts. Whenever it comes onto the screen, its
// caption lies within the work area of a present monitor.
// Owns the cached background, the picture and the tray icon; the pages are not its.

#include <windows.h>

#include "platform/property_sheet.h"
#include "platform/tray_icon.h"
#include "skin/draw/cool_bitmap.h"
#include "skin/controls/cool_button.h"
#include "skin/containers/cool_cached_background.h"
#include "skin/scheme/cool_scheme.h"
#include "skin/scheme/cool_scheme_relay.h"
#include "skin/controls/cool_tab_ctrl.h"

class CCoolPropertySheet : public CPropertySheet, public CCoolScheme {
public:
    static const CRuntimeClass classCCoolPropertySheet;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCCoolPropertySheet; }

    // The tray icon's ID, the callback message it sends, "no menu", and the commands
    // of the tray menu.
    static constexpr UINT kTrayIconId = 1;
    static constexpr UINT kTrayCallbackMessage = 0x514;
    static constexpr UINT kNoTrayMenu = 0xFFFF;
    static constexpr UINT kTrayExitCommand = 32772;
    static constexpr UINT kTrayShowCommand = 32773;
    // The standard buttons the skinned ones replace: Cancel, Apply, OK, Help, and
    // for wizards Next, Back and Finish.
    static constexpr int kStandardButtons[] = {IDCANCEL, 0x3021, IDOK, IDHELP, 0x3024, 0x3023, 0x3025};
    static constexpr int kStandardButtonCount = sizeof(kStandardButtons) / sizeof(kStandardButtons[0]);
    static constexpr int kSheetButtonCount = 4;

    CCoolPropertySheet();
    explicit CCoolPropertySheet(const char* caption, HWND parent = nullptr, UINT selectPage = 0);
    ~CCoolPropertySheet() override;

    BOOL OnInitDialog() override;
    // Hands the scheme on to the skinned pages (also those without a window yet)
    // and to every child window.
    virtual void SpreadScheme();
    // Every skinned page with a window reads its settings again.
    virtual void RefreshPages();

    // Loads a bitmap file as the background picture (resize: the client area takes
    // the picture's size); 0 when it cannot be loaded, which leaves no picture. A
    // null path only redraws the background.
    int SetPicture(const char* path, bool resize);
    bool HasPicture();

    // Shows the icon in the notification area now or, before the window exists, as
    // soon as it does; menuId is the tray menu's resource (kNoTrayMenu: none).
    void SetTrayIcon(HICON icon, UINT menuId);
    void RemoveTrayIcon();
    bool IsTrayIconPresent() const { return m_trayWanted; }
    // Whether the notification area shows the icon now: asked for, and not lost
    // with a restarting shell. Only then does closing hide the sheet.
    bool IsTrayIconShown() const { return m_trayIcon.IsAdded(); }
    // Back from the notification area: restored, in front, active.
    void RestoreFromTray();

    // The skinned tab control (not attached in wizards) and the button of a standard
    // ID (null when the sheet has no such button).
    CCoolTabCtrl& GetCoolTabCtrl() { return m_tab; }
    CCoolButton* GetCoolButton(int id);

    // The sheet's light point in the given child window's client coordinates.
    POINT LightPointFor(HWND child) const;

    int GetBkBitmap(HBITMAP* bitmap) override;
    int GetBkRect(RECT* rect) override;
    void OnSchemeChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A tray callback (mouse message of the icon).
    virtual void OnTrayNotify(UINT mouseMessage);

private:
    void Paint();
    void ShowTrayMenu();
    void AddTrayIcon();
    // On the way onto the screen (shown, or restored from minimized).
    void OnPlacementChanged();
    void ResizeToPicture();
    bool IsWizard() const;
    void ReplaceStandardButtons();
    void ReplaceButton(HWND standard, CCoolButton& skinned);

    CCoolTabCtrl m_tab;
    CCoolButton m_buttons[kStandardButtonCount];
    CCoolBitmap m_picture;
    CCoolCachedBackground m_background;
    UINT m_lastMessageId = 0;
    CCoolSchemeRelay m_relay;
    CTrayIcon m_trayIcon;
    HICON m_trayIconHandle = nullptr;
    UINT m_trayMenu = kNoTrayMenu;
    bool m_trayWanted = false;
    bool m_onScreen = false;
};
