#include "skin/containers/cool_property_sheet.h"

#include "platform/caption_on_screen.h"
#include "platform/menu.h"
#include "skin/containers/cool_container_background.h"
#include "skin/containers/cool_container_scheme.h"
#include "skin/draw/cool_dc.h"
#include "skin/scheme/cool_messages.h"
#include "skin/containers/cool_property_page.h"
#include "skin/scheme/cool_spread.h"
#include "skin/containers/cool_status_route.h"

namespace {

// The class library's activation message for top-level windows.
constexpr UINT kActivateTopLevel = 0x036E;

} // namespace

const CRuntimeClass CCoolPropertySheet::classCCoolPropertySheet("CCoolPropertySheet",
                                                                &CPropertySheet::classCPropertySheet);

CCoolPropertySheet::CCoolPropertySheet()
    : m_background([this](CCoolDC& dc, const RECT& rect) { DrawSheetBackground(dc, rect, *this, &m_picture); })
{
}

CCoolPropertySheet::CCoolPropertySheet(const char* caption, HWND parent, UINT selectPage) : CCoolPropertySheet()
{
    Construct(caption, parent, selectPage);
}

CCoolPropertySheet::~CCoolPropertySheet() = default;

bool CCoolPropertySheet::IsWizard() const
{
    return (GetSheetFlags() & (PSH_WIZARD | PSH_WIZARD97)) != 0;
}

BOOL CCoolPropertySheet::OnInitDialog()
{
    if (!IsWizard())
        m_tab.SubclassDlgItem(kTabControlId, m_hWnd);
    const BOOL result = CPropertySheet::OnInitDialog();
    ReplaceStandardButtons();
    SpreadScheme();
    AllowTaskbarCreated(m_hWnd);
    if (m_trayWanted)
        AddTrayIcon();
    return result;
}

void CCoolPropertySheet::ReplaceStandardButtons()
{
    const int count = IsWizard() ? kStandardButtonCount : kSheetButtonCount;
    for (int i = 0; i < count; ++i) {
        const HWND standard = GetDlgItem(kStandardButtons[i]);
        if (standard != nullptr && CWnd::FromHandle(standard) == nullptr)
            ReplaceButton(standard, m_buttons[i]);
    }
}

void CCoolPropertySheet::ReplaceButton(HWND standard, CCoolButton& skinned)
{
    RECT rect;
    ::GetWindowRect(standard, &rect);
    ScreenToClient(&rect);
    char text[64] = "";
    ::GetWindowTextA(standard, text, sizeof(text));
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(standard, GWL_STYLE));
    const int id = ::GetDlgCtrlID(standard);
    const bool enabled = ::IsWindowEnabled(standard) != FALSE;
    // Keeps the tab order: the new button takes the old one's place among its siblings.
    const HWND before = ::GetWindow(standard, GW_HWNDPREV);
    ::EnableWindow(standard, TRUE);
    ::DestroyWindow(standard);

    const DWORD windowStyle = (style & 0xFFFF0000u & ~(WS_VISIBLE | WS_DISABLED)) | WS_CHILD;
    if (!skinned.Create("BUTTON", text, windowStyle, rect, m_hWnd, static_cast<UINT>(id)))
        return;
    skinned.SetWindowPos(before != nullptr ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    skinned.SetButtonStyle(style & 0xFF, false);
    skinned.SetFont(GetFont(), false);
    skinned.EnableWindow(enabled);
    // A button the sheet keeps hidden (Help without help, Apply when not wanted) stays so.
    if (style & WS_VISIBLE)
        skinned.ShowWindow(SW_SHOWNA);
}

CCoolButton* CCoolPropertySheet::GetCoolButton(int id)
{
    for (CCoolButton& button : m_buttons)
        if (button.m_hWnd != nullptr && button.GetDlgCtrlID() == id)
            return &button;
    return nullptr;
}

POINT CCoolPropertySheet::LightPointFor(HWND child) const
{
    POINT light = m_light;
    if (m_hWnd && child)
        MapWindowPoints(m_hWnd, child, &light, 1);
    return light;
}

void CCoolPropertySheet::SpreadScheme()
{
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = GetPage(i);
        if (page == nullptr || !page->IsKindOf(&CCoolPropertyPage::classCCoolPropertyPage))
            continue;
        auto* cool = static_cast<CCoolPropertyPage*>(page);
        CopySchemeColors(*this, *cool);
        if (cool->m_hWnd) {
            cool->SetLight(LightPointFor(cool->m_hWnd));
            cool->SpreadScheme();
        }
        cool->SetFlags(GetFlags());
        if (cool->m_hWnd)
            cool->Invalidate();
    }
    if (m_hWnd)
        ::SpreadScheme(m_hWnd, *this);
}

void CCoolPropertySheet::RefreshPages()
{
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = GetPage(i);
        if (page && page->m_hWnd && page->IsKindOf(&CCoolPropertyPage::classCCoolPropertyPage))
            static_cast<CCoolPropertyPage*>(page)->Refresh();
    }
}

bool CCoolPropertySheet::HasPicture()
{
    return HoldsBitmap(m_picture);
}

int CCoolPropertySheet::SetPicture(const char* path, bool resize)
{
    // Whatever the outcome, the background is drawn again from what is held now.
    m_background.Drop();
    int result = 1;
    if (path != nullptr) {
        if (!m_picture.LoadFromFile(path))
            result = 0;
        else if (resize)
            ResizeToPicture();
    }
    if (m_hWnd) {
        // Controls that show the background through them keep a copy of it.
        SpreadScheme();
        Invalidate();
    }
    return result;
}

void CCoolPropertySheet::ResizeToPicture()
{
    if (m_hWnd == nullptr)
        return;
    RECT window;
    RECT client;
    GetWindowRect(&window);
    GetClientRect(&client);
    const int width = m_picture.GetWidth() + (window.right - window.left) - client.right;
    const int height = m_picture.GetHeight() + (window.bottom - window.top) - client.bottom;
    SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CCoolPropertySheet::SetTrayIcon(HICON icon, UINT menuId)
{
    m_trayIconHandle = icon;
    m_trayMenu = menuId;
    m_trayWanted = true;
    if (m_hWnd)
        AddTrayIcon();
}

void CCoolPropertySheet::AddTrayIcon()
{
    m_trayIcon.Add(m_hWnd, kTrayIconId, kTrayCallbackMessage, m_trayIconHandle, GetWindowText().c_str());
}

void CCoolPropertySheet::RemoveTrayIcon()
{
    m_trayIcon.Delete();
    m_trayWanted = false;
}

void CCoolPropertySheet::RestoreFromTray()
{
    if (m_hWnd == nullptr)
        return;
    ShowWindow(SW_RESTORE);
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    const LPARAM thread = static_cast<LPARAM>(GetCurrentThreadId());
    PostMessage(WM_NCACTIVATE, TRUE, 0);
    PostMessage(WM_ACTIVATEAPP, TRUE, thread);
    PostMessage(WM_NCACTIVATE, TRUE, 0);
    PostMessage(kActivateTopLevel, TRUE, thread);
    SetActiveWindow(m_hWnd);
    SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CCoolPropertySheet::OnPlacementChanged()
{
    // Checked each time it arrives on the screen, whatever brought it (the tray, its
    // taskbar button, a program); never while the user moves it there.
    const bool onScreen = IsWindowVisible() && !IsIconic(m_hWnd);
    const bool arriving = onScreen && !m_onScreen;
    m_onScreen = onScreen;
    if (arriving)
        KeepCaptionOnScreen(m_hWnd);
}

void CCoolPropertySheet::ShowTrayMenu()
{
    if (m_trayMenu == kNoTrayMenu)
        return;
    CMenu menu;
    if (!menu.LoadMenu(m_trayMenu))
        return;
    CMenu popup = menu.GetSubMenu(0);
    if (popup.GetSafeHmenu() == nullptr)
        return;
    POINT cursor = {};
    GetCursorPos(&cursor);
    // Without being in front, the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(m_hWnd);
    popup.TrackPopupMenu(0, cursor.x, cursor.y, m_hWnd);
    PostMessage(WM_NULL);
}

void CCoolPropertySheet::OnTrayNotify(UINT mouseMessage)
{
    switch (mouseMessage) {
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
        ShowTrayMenu();
        break;
    case WM_LBUTTONDBLCLK:
        RestoreFromTray();
        break;
    default:
        break;
    }
}

int CCoolPropertySheet::GetBkBitmap(HBITMAP* bitmap)
{
    if (bitmap == nullptr)
        return 0;
    *bitmap = m_background.Handle(m_hWnd);
    return 1;
}

int CCoolPropertySheet::GetBkRect(RECT* rect)
{
    return ClientRectOnScreen(m_hWnd, rect);
}

void CCoolPropertySheet::OnSchemeChanged()
{
    m_background.Drop();
}

void CCoolPropertySheet::Paint()
{
    CCoolPaintDC dc(m_hWnd);
    m_background.Get(m_hWnd).Draw(dc.GetSafeHdc(), 0, 0);
}

LRESULT CCoolPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleContainerSchemeMessage(m_hWnd, *this, m_relay, [this] { SpreadScheme(); }, message, wParam, lParam,
                                     &result))
        return result;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (IsIconic(m_hWnd))
            break;
        Paint();
        return 0;
    case WM_WINDOWPOSCHANGED:
        OnPlacementChanged();
        break;
    case WM_SIZE:
    case WM_DISPLAYCHANGE:
        m_background.OnWindowMessage(m_hWnd, message, wParam);
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            m_background.Drop();
            // Hidden only where the icon can bring it back.
            if (IsTrayIconShown()) {
                ShowWindow(SW_HIDE);
                return 0;
            }
        }
        break;
    case WM_COMMAND:
        if (lParam == 0 && LOWORD(wParam) == kTrayShowCommand) {
            RestoreFromTray();
            return 0;
        }
        if (lParam == 0 && LOWORD(wParam) == kTrayExitCommand) {
            EndDialog(1);
            return 0;
        }
        break;
    case WM_DESTROY:
        m_trayIcon.Delete();
        break;
    case WM_SETMESSAGESTRING:
        return RouteStatusText(m_hWnd, wParam, lParam, &m_lastMessageId);
    default:
        if (message != 0 && message == TaskbarCreatedMessage()) {
            // The shell restarted without our icon; an add it refuses is tried again
            // on its next start.
            if (m_trayWanted)
                AddTrayIcon();
            return 0;
        }
        if (message == kTrayCallbackMessage) {
            if (wParam == kTrayIconId)
                OnTrayNotify(static_cast<UINT>(lParam));
            return 0;
        }
        break;
    }
    return CPropertySheet::WindowProc(message, wParam, lParam);
}
