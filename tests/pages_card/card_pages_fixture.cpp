#include "card_pages_fixture.h"

#include <commctrl.h>

#include "dialogs/dialog_ids.h"
#include "string_ids.h"

namespace {
constexpr DWORD kSheetStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
}

CardPagesSheet::CardPagesSheet(CCardMixer* card, std::vector<CPropertyPage*> pages) : m_pages(std::move(pages))
{
    Construct("Card pages", card);
}

CardPagesSheet::~CardPagesSheet()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

bool CardPagesSheet::AddMixerPages()
{
    for (CPropertyPage* page : m_pages)
        if (!AddPage(page))
            return false;
    return true;
}

bool CardPagesSheet::Open()
{
    // No control may light up because the mouse happens to rest where it opens.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    if (!Create(nullptr, kSheetStyle))
        return false;
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNOACTIVATE);
    UpdateWindow();
    DrainMessages();
    return true;
}

LRESULT CardPagesSheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CMixerPropertySheet::WindowProc(message, wParam, lParam);
    if (message == WM_WINDOWPOSCHANGED && m_hWnd != nullptr) {
        const bool visible = IsWindowVisible() && !IsIconic(m_hWnd);
        if (visible != m_visible) {
            m_visible = visible;
            for (CPropertyPage* page : m_pages)
                if (page->m_hWnd != nullptr)
                    static_cast<CCoolPropertyPage*>(page)->OnSheetVisible(visible);
        }
    }
    return result;
}

BlankPage::BlankPage() : CCoolPropertyPage(IDD_PAGE_MISC, IDS_PAGE_MISC) {}

void CardPagesTest::TearDown()
{
    m_sheet.reset();
    DrainMessages();
}

void CardPagesTest::ShowPages(CPropertyPage& page, CPropertyPage* other)
{
    std::vector<CPropertyPage*> pages{&page};
    if (other != nullptr)
        pages.push_back(other);
    m_sheet = std::make_unique<CardPagesSheet>(&bench.Mixer(), pages);
    ASSERT_TRUE(m_sheet->Open());
    ASSERT_NE(nullptr, page.m_hWnd);
}

void CardPagesTest::Click(CWnd& page, int id)
{
    const HWND button = page.GetDlgItem(id);
    ASSERT_NE(nullptr, button);
    const LONG style = GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK;
    if (style == BS_AUTOCHECKBOX) {
        const bool checked = SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendMessageA(button, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
    } else if (style == BS_AUTORADIOBUTTON) {
        // The group's other radios go off, as the dialog manager does it.
        for (HWND other = GetNextDlgGroupItem(page.m_hWnd, button, FALSE); other && other != button;
             other = GetNextDlgGroupItem(page.m_hWnd, other, FALSE))
            SendMessageA(other, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    }
    SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    DrainMessages();
}

void CardPagesTest::Choose(CWnd& page, int id, int index)
{
    const HWND combo = page.GetDlgItem(id);
    ASSERT_NE(nullptr, combo);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    DrainMessages();
}

void CardPagesTest::Type(CWnd& page, int id, const char* text)
{
    const HWND combo = page.GetDlgItem(id);
    ASSERT_NE(nullptr, combo);
    SetWindowTextA(combo, text);
    SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
    DrainMessages();
}

std::string CardPagesTest::TextOf(const CWnd& page, int id)
{
    char text[256] = "";
    GetWindowTextA(page.GetDlgItem(id), text, sizeof(text));
    return text;
}

bool CardPagesTest::IsChecked(const CWnd& page, int id)
{
    return SendMessageA(page.GetDlgItem(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool CardPagesTest::IsEnabled(const CWnd& page, int id)
{
    return IsWindowEnabled(page.GetDlgItem(id)) != FALSE;
}
