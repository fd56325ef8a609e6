#include "one_of_each_dialog.h"

#include <commctrl.h>

#include "platform/win_app.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_fill.h"
#include "skin/draw/cool_memory_dc.h"
#include "skin/scheme/cool_messages.h"
#include "skin/scheme/cool_spread.h"
#include "skin_test_ids.h"

OneOfEachDialog::OneOfEachDialog(bool skinned) : CDialog(IDD_ONE_OF_EACH), m_skinned(skinned) {}

OneOfEachDialog::~OneOfEachDialog() { DestroyWindow(); }

bool OneOfEachDialog::Open(int x, int y, bool activate)
{
    const INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    m_activate = activate;
    // No control may light up because the mouse happens to rest where it opens.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    if (!Create(IDD_ONE_OF_EACH, nullptr))
        return false;
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(activate ? SW_SHOW : SW_SHOWNOACTIVATE);
    UpdateWindow();
    return true;
}

BOOL OneOfEachDialog::OnInitDialog()
{
    if (m_skinned) {
        const struct {
            int id;
            CWnd* control;
        } items[] = {
            {IDC_PUSH, &push},     {IDC_DEFPUSH, &defPush}, {IDC_NOTIFY, &notify}, {IDC_CHECK, &check},
            {IDC_RADIO1, &radio1}, {IDC_RADIO2, &radio2},   {IDC_PUSHLIKE, &pushLike}, {IDC_GROUP, &group},
            {IDC_COMBO, &combo},   {IDC_EDIT, &edit},       {IDC_LIST, &list},     {IDC_SCROLL, &scroll},
            {IDC_LABEL, &label},   {IDC_DISPLAY, &display}, {IDC_TAB, &tab},       {IDC_STATUS, &status},
        };
        for (const auto& item : items)
            AttachItem(item.id, *item.control);
        display.SetStyle(1);
    }
    const HWND comboWindow = GetDlgItem(IDC_COMBO);
    for (const char* text : {"Line in", "Microphone", "CD audio", "Wave"})
        ::SendMessageA(comboWindow, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    ::SendMessageA(comboWindow, CB_SETCURSEL, 1, 0);
    const HWND listWindow = GetDlgItem(IDC_LIST);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 80;
    ::SendMessageA(listWindow, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    int index = 0;
    for (const char* text : {"Front", "Rear", "Centre", "Bass"}) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = index++;
        item.pszText = const_cast<char*>(text);
        ::SendMessageA(listWindow, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    const HWND tabWindow = GetDlgItem(IDC_TAB);
    index = 0;
    for (const char* text : {"Mixer", "Effects", "Speakers"}) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(text);
        ::SendMessageA(tabWindow, TCM_INSERTITEMA, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
    if (m_skinned)
        tab.EnableTab(2, false);
    SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 100, 10, 30, 0};
    ::SetScrollInfo(GetDlgItem(IDC_SCROLL), SB_CTL, &info, TRUE);
    ::SetWindowTextA(GetDlgItem(IDC_EDIT), "Halvard");
    const int parts[] = {120, -1};
    ::SendMessageA(GetDlgItem(IDC_STATUS), SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    ::SendMessageA(GetDlgItem(IDC_STATUS), SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("Ready"));
    CDialog::OnInitDialog();
    if (m_skinned)
        PassSchemeOn();
    // Without activation the dialog manager must not give a control the focus.
    return m_activate ? TRUE : FALSE;
}

void OneOfEachDialog::ApplySet(const COOLCOLORSET& set)
{
    SetColor(CCOL_BACKGROUND, set.background);
    SetColor(CCOL_TEXT, set.text);
    SetColor(CCOL_STATIC, set.statics);
    SetColor(CCOL_PEAKHIGH, set.peakHigh);
    SetColor(CCOL_PEAKLOW, set.peakLow);
    SetFlags(set.renderMode | RM_AUTOSHADES);
    PassSchemeOn();
}

void OneOfEachDialog::PassSchemeOn()
{
    if (m_hWnd == nullptr)
        return;
    RECT client = {};
    GetClientRect(&client);
    m_light = {client.right / 3, client.bottom / 3};
    m_background.AttachBitmap(nullptr);
    Invalidate(true);
    SpreadScheme(m_hWnd, *this);
}

int OneOfEachDialog::GetBkBitmap(HBITMAP* bitmap)
{
    if (bitmap == nullptr)
        return 0;
    if (m_background.GetSafeHandle() == nullptr && m_hWnd != nullptr)
        EraseBackground(nullptr);
    *bitmap = m_background.GetHandle();
    return *bitmap != nullptr ? 1 : 0;
}

int OneOfEachDialog::GetBkRect(RECT* rect)
{
    if (rect == nullptr || m_hWnd == nullptr)
        return 0;
    GetClientRect(rect);
    ClientToScreen(rect);
    return 1;
}

void OneOfEachDialog::OnSchemeChanged()
{
    m_background.AttachBitmap(nullptr);
    if (m_hWnd != nullptr)
        Invalidate(true);
}

void OneOfEachDialog::EraseBackground(HDC dc)
{
    RECT client = {};
    GetClientRect(&client);
    if (m_background.GetSafeHandle() == nullptr) {
        CCoolMemoryDC work(nullptr, m_background, client.right, client.bottom);
        FillFace(work, *this, work.Rect(), {CCOL_BACKGROUND, CCOL_SHADOW, CCOL_LIGHT}, &m_light);
    }
    if (dc != nullptr)
        m_background.Draw(dc, 0, 0);
}

void OneOfEachDialog::ShowStatus(WPARAM id, LPARAM text)
{
    std::string shown;
    if (text != 0) {
        shown = reinterpret_cast<const char*>(text);
        statusLog.push_back("text " + shown);
    } else if (id != 0) {
        shown = CWinApp::LoadString(static_cast<UINT>(id));
        statusLog.push_back("id " + std::to_string(id));
    } else {
        statusLog.push_back("clear");
    }
    ::SendMessageA(GetDlgItem(IDC_STATUS), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(shown.c_str()));
}

LRESULT OneOfEachDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_skinned && HandleSchemeMessage(*this, message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_ERASEBKGND:
        if (!m_skinned)
            break;
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_SETMESSAGESTRING:
        ShowStatus(wParam, lParam);
        return 0;
    case WM_COMMAND:
        if (lParam != 0)
            commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(IDC_SCROLL)) {
            scrollCodes.push_back(LOWORD(wParam));
            scrollPositions.push_back(HIWORD(wParam));
            return 0;
        }
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
