#include "skin/containers/cool_dialog.h"

#include "platform/dc.h"
#include "skin/containers/cool_container_background.h"
#include "skin/containers/cool_container_scheme.h"
#include "skin/draw/cool_dc.h"
#include "skin/scheme/cool_messages.h"
#include "skin/scheme/cool_spread.h"
#include "skin/containers/cool_status_route.h"

const CRuntimeClass CCoolDialog::classCCoolDialog("CCoolDialog", &CDialog::classCDialog);

CCoolDialog::CCoolDialog() : m_background(Painter()) {}

CCoolDialog::CCoolDialog(UINT templateId, HWND parent)
    : CDialog(templateId, parent), m_owner(parent), m_background(Painter())
{
}

BackgroundPainter CCoolDialog::Painter()
{
    return [this](CCoolDC& dc, const RECT& rect) { DrawGeneratedBackground(dc, rect, *this); };
}

CCoolDialog::~CCoolDialog() = default;

void CCoolDialog::SetCustomBackground(HBITMAP bitmap)
{
    if (bitmap == nullptr) {
        m_customBackground.reset();
    } else {
        m_customBackground = std::make_unique<CCoolBitmap>();
        m_customBackground->AttachBitmap(bitmap);
    }
    if (m_hWnd)
        Invalidate();
}

BOOL CCoolDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    AskParentScheme(m_owner ? m_owner : GetParent(), *this);
    if (m_icon) {
        SetIcon(m_icon, true);
        SetIcon(m_icon, false);
    }
    SpreadScheme();
    return TRUE;
}

void CCoolDialog::SpreadScheme()
{
    ::SpreadScheme(m_hWnd, *this);
}

CCoolBitmap& CCoolDialog::Shown()
{
    return m_customBackground ? *m_customBackground : m_background.Get(m_hWnd);
}

int CCoolDialog::GetBkBitmap(HBITMAP* bitmap)
{
    if (bitmap == nullptr)
        return 0;
    CCoolBitmap& shown = Shown();
    shown.Realize();
    *bitmap = shown.GetHandle();
    return 1;
}

int CCoolDialog::GetBkRect(RECT* rect)
{
    return ClientRectOnScreen(m_hWnd, rect);
}

void CCoolDialog::OnSchemeChanged()
{
    m_background.Drop();
}

void CCoolDialog::EraseBackground(HDC dc)
{
    CCoolBitmap& shown = Shown();
    if (!HoldsBitmap(shown))
        return;
    RECT client;
    GetClientRect(&client);
    SetStretchBltMode(dc, COLORONCOLOR);
    shown.Draw(dc, 0, 0, client.right, client.bottom, 0, 0, shown.GetWidth(), shown.GetHeight());
}

void CCoolDialog::PaintMinimised()
{
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.GetSafeHdc(), x, y, m_icon);
}

LRESULT CCoolDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleContainerSchemeMessage(m_hWnd, *this, m_relay, [this] { SpreadScheme(); }, message, wParam, lParam,
                                     &result))
        return result;
    switch (message) {
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT:
        if (IsIconic(m_hWnd) && m_icon) {
            PaintMinimised();
            return 0;
        }
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(m_icon);
    case WM_SIZE:
    case WM_DISPLAYCHANGE:
        m_background.OnWindowMessage(m_hWnd, message, wParam);
        break;
    case WM_DESTROY:
        m_background.Drop();
        break;
    case WM_SETMESSAGESTRING:
        return RouteStatusText(m_hWnd, wParam, lParam, &m_lastMessageId);
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
