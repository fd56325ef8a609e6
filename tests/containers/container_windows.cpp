#include "container_windows.h"

#include "skin/controls/cool_control_messages.h"
#include "skin/controls/cool_layout.h"
#include "skin/scheme/cool_messages.h"
#include "support/message_pump.h"

namespace {

const char* ProbeClass()
{
    static const bool registered =
        CWnd::RegisterWindowClass("HalvardProbeControl", 0, LoadCursorA(nullptr, IDC_ARROW), nullptr);
    return registered ? "HalvardProbeControl" : nullptr;
}

} // namespace

ProbeControl::ProbeControl(HWND parent, const RECT& rect, int id)
{
    CreateEx(0, ProbeClass(), "", WS_CHILD | WS_VISIBLE, rect, parent, static_cast<UINT>(id));
}

ProbeControl::~ProbeControl() { DestroyWindow(); }

LRESULT ProbeControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COOL_SETLIGHT && lParam != 0)
        lights.push_back(*reinterpret_cast<const POINT*>(lParam));
    LRESULT result = 0;
    if (HandleSchemeMessage(*this, message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(m_hWnd, &paint);
        CaptureLayout(m_hWnd, m_layout);
        RECT client;
        GetClientRect(&client);
        SetBkColor(dc, m_colors[CCOL_BACKGROUND]);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
        EndPaint(m_hWnd, &paint);
        ++paints;
        return 0;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

ProbePage::ProbePage(const char* title)
    : m_template(WS_CHILD | WS_DISABLED | WS_CAPTION, 0, 0, 0, 240, 140, title)
{
    ConstructIndirect(m_template.Get());
}

BOOL ProbePage::OnInitDialog()
{
    CCoolPropertyPage::OnInitDialog();
    control = std::make_unique<ProbeControl>(m_hWnd, RECT{20, 20, 80, 50}, 1001);
    SpreadScheme();
    return TRUE;
}

TwoPageSheet::TwoPageSheet(int renderMode, bool create)
{
    sheet.Construct("Two pages");
    sheet.SetFlags(renderMode);
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    if (create)
        Create();
}

bool TwoPageSheet::Create()
{
    if (!sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU))
        return false;
    sheet.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    sheet.ShowWindow(SW_SHOWNOACTIVATE);
    PaintPending();
    return true;
}

TwoPageSheet::~TwoPageSheet()
{
    if (sheet.m_hWnd)
        sheet.DestroyWindow();
    DrainMessages();
}

TwoPageSheet* SharedSheetTest::s_two = nullptr;

void SharedSheetTest::TearDownTestSuite()
{
    delete s_two;
    s_two = nullptr;
}

HostedDialog::HostedDialog(int width, int height)
    : m_template(WS_CHILD | WS_VISIBLE, 0, 0, 0, 100, 60, "Hosted")
{
    host = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_CLIPCHILDREN, 0, 0, width + 40, height + 40, nullptr,
                           nullptr, nullptr, nullptr);
    dialog.CreateIndirect(m_template.Get(), host);
    dialog.SetWindowPos(nullptr, 10, 10, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(host, SW_SHOWNOACTIVATE);
    PaintPending();
}

HostedDialog::~HostedDialog()
{
    dialog.DestroyWindow();
    DestroyWindow(host);
    DrainMessages();
}

COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return color;
}

COLORREF ScreenPixel(HWND window, int clientX, int clientY)
{
    POINT point = {clientX, clientY};
    ClientToScreen(window, &point);
    return ScreenPixel(point.x, point.y);
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y)
{
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const COLORREF color = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteDC(memory);
    return color;
}

void PaintPending()
{
    DrainMessages();
    RedrawWindow(nullptr, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    DrainMessages();
}
