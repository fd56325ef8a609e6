#include "mixer/controls/mixer_property_sheet.h"

#include <algorithm>
#include <string>

#include "mixer/controls/mixer_names.h"
#include "mixer/controls/mixer_property_page.h"
#include "mixer/mixer_device.h"
#include "platform/menu.h"
#include "platform/win_app.h"

namespace {

// Room around the pages: the tab strip's height, the sheet's frame and caption.
constexpr int kTabExtraHeight = 40;
constexpr int kSheetExtraWidth = 10;
constexpr int kSheetExtraHeight = 60;
// Window sizes are kept where the arithmetic on them cannot overflow.
constexpr int kLargestPageSize = 0x7FFF;
constexpr UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

bool Contains(const std::string& text, const char* word)
{
    return text.find(word) != std::string::npos;
}

} // namespace

const CRuntimeClass CMixerPropertySheet::classCMixerPropertySheet("CMixerPropertySheet",
                                                                &CCoolPropertySheet::classCCoolPropertySheet,
                                                                &CreateInstance<CMixerPropertySheet>);

CMixerPropertySheet::CMixerPropertySheet() = default;

CMixerPropertySheet::CMixerPropertySheet(const char* caption, CMixerDevice* mixer, HWND parent, UINT firstPage)
{
    Construct(caption, mixer, parent, firstPage);
}

CMixerPropertySheet::~CMixerPropertySheet()
{
    // The pages go with this object: their windows must go first.
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void CMixerPropertySheet::Construct(const char* caption, CMixerDevice* mixer, HWND parent, UINT firstPage)
{
    CCoolPropertySheet::Construct(caption, parent, firstPage);
    m_mixer = mixer;
    AddMixerPages();
}

void CMixerPropertySheet::Construct(UINT captionId, CMixerDevice* mixer, HWND parent, UINT firstPage)
{
    Construct(CWinApp::LoadString(captionId).c_str(), mixer, parent, firstPage);
}

bool CMixerPropertySheet::AddMixerPages()
{
    DropGenericPages();
    if (!FindDestinations())
        return false;
    if (m_playbackFound)
        AddGenericPage(m_playbackPage, m_playbackDestination);
    if (m_recordFound)
        AddGenericPage(m_recordPage, m_recordDestination);
    return true;
}

bool CMixerPropertySheet::FindDestinations()
{
    m_playbackFound = false;
    m_recordFound = false;
    if (m_mixer == nullptr)
        return false;
    const int count = m_mixer->GetDestinationCount();
    for (int destination = 0; destination < count; ++destination) {
        MixerLineEntry* line = nullptr;
        if (!m_mixer->GetDestination(destination, line) || line == nullptr)
            return false;
        std::string name = FieldText(line->line.szName);
        CharUpperBuffA(name.data(), static_cast<DWORD>(name.size()));
        // A later match replaces an earlier one.
        if (Contains(name, "RECORD")) {
            m_recordDestination = destination;
            m_recordFound = true;
        } else if (Contains(name, "VOLUME") || Contains(name, "PLAYBACK")) {
            m_playbackDestination = destination;
            m_playbackFound = true;
        }
    }
    return true;
}

void CMixerPropertySheet::AddGenericPage(std::unique_ptr<CMixerPropertyPage>& page, int destination)
{
    page = std::make_unique<CMixerPropertyPage>();
    page->Init(m_mixer, destination);
    AddPage(page.get());
}

void CMixerPropertySheet::DropGenericPages()
{
    for (std::unique_ptr<CMixerPropertyPage>* page : {&m_playbackPage, &m_recordPage}) {
        if (*page != nullptr)
            RemovePage(GetPageIndex(page->get()));
        page->reset();
    }
}

BOOL CMixerPropertySheet::OnInitDialog()
{
    const BOOL result = CCoolPropertySheet::OnInitDialog();
    SizeToLargestPage();
    if (!IsModeless())
        AddMinimizeCommand();
    if (HICON icon = CWinApp::LoadIcon(kSheetIconId))
        SetIcon(icon, true);
    RemoveStandardButtons();
    FitToPageFrame();
    CenterWindow();
    SpreadScheme();
    return result;
}

void CMixerPropertySheet::SizeToLargestPage()
{
    int width = 0;
    int height = 0;
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = GetPage(i);
        if (page == nullptr || !page->IsKindOf(&CCoolPropertyPage::classCCoolPropertyPage))
            continue;
        auto* cool = static_cast<CCoolPropertyPage*>(page);
        width = std::max(width, std::min(cool->GetPageWidth(), kLargestPageSize));
        height = std::max(height, std::min(cool->GetPageHeight(), kLargestPageSize));
    }
    if (width <= 0 || height <= 0)
        return;
    const HWND tab = GetTabControl();
    if (tab != nullptr)
        ::SetWindowPos(tab, nullptr, 0, 0, width, height + kTabExtraHeight, kSizeOnly);
    SetWindowPos(nullptr, 0, 0, width + kSheetExtraWidth, height + kSheetExtraHeight, kSizeOnly);
    if (tab != nullptr)
        ::InvalidateRect(tab, nullptr, TRUE);
    Invalidate();
    CPropertyPage* first = GetPage(0);
    if (first != nullptr && first->m_hWnd != nullptr)
        first->Invalidate();
}

void CMixerPropertySheet::FitToPageFrame()
{
    // Without buttons nothing lies below the pages: the client area ends as far below
    // the page frame as the frame stands from the left edge, and as far right of it.
    const HWND tab = GetTabControl();
    if (tab == nullptr)
        return;
    RECT frame = {};
    ::GetWindowRect(tab, &frame);
    ScreenToClient(&frame);
    RECT client = {};
    GetClientRect(&client);
    RECT window = {};
    GetWindowRect(&window);
    const int margin = std::max(0, static_cast<int>(frame.left));
    const int width = window.right - window.left + frame.right + margin - client.right;
    const int height = window.bottom - window.top + frame.bottom + margin - client.bottom;
    SetWindowPos(nullptr, 0, 0, std::max(width, 1), std::max(height, 1), kSizeOnly);
}

void CMixerPropertySheet::AddMinimizeCommand()
{
    ModifyStyle(0, WS_MINIMIZEBOX);
    CMenu menu = CMenu::GetSystemMenu(m_hWnd, false);
    if (menu.GetSafeHmenu() == nullptr)
        return;
    menu.AppendMenu(MF_STRING, SC_MINIMIZE, "Minimize");
    menu.SetDefaultItem(SC_MINIMIZE, false);
}

void CMixerPropertySheet::RemoveStandardButtons()
{
    for (int id : kRemovedButtons)
        if (const HWND button = GetDlgItem(id))
            ::DestroyWindow(button);
}
