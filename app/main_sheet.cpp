#include "app/main_sheet.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "app/settings_file_commands.h"
#include "app/sheet_key_actions.h"
#include "app/sheet_keys.h"
#include "app/speaker_mode.h"
#include "driver/card_mixer.h"
#include "driver/card_settings_message.h"
#include "pages/nvp4_page_digital.h"
#include "pages/nvp4_page_eq.h"
#include "pages/nvp4_page_midi.h"
#include "pages/nvp4_page_misc.h"
#include "pages/nvp4_page_playback.h"
#include "pages/nvp4_page_record.h"
#include "pages/nvp51_page_play_in.h"
#include "pages/nvp51_page_settings.h"
#include "platform/common_dialogs.h"
#include "platform/panel_values.h"
#include "platform/wait_cursor.h"
#include "platform/win_app.h"
#include "string_ids.h"

namespace {

constexpr int kPageKinds = static_cast<int>(MainSheetPage::Count);

// Tab labels in tab order, by page kind.
constexpr UINT kPageLabels[kPageKinds] = {
    IDS_PAGE_PLAYBACK, IDS_PAGE_SOURCES, IDS_PAGE_RECORD, IDS_PAGE_DIGITAL,
    IDS_PAGE_EQ,       IDS_PAGE_MIDI,    IDS_PAGE_3D_SETTINGS, IDS_PAGE_MISC,
};

// The settings-file dialogs' default extension.
constexpr const char* kSettingsExtension = "msp";

std::string ProductName()
{
    return CWinApp::LoadString(IDS_PRODUCT_NAME);
}

// Marks a settings-file dialog as open for its scope.
class FileDialogScope {
public:
    explicit FileDialogScope(bool& open) : m_open(open) { m_open = true; }
    ~FileDialogScope() { m_open = false; }
    FileDialogScope(const FileDialogScope&) = delete;
    FileDialogScope& operator=(const FileDialogScope&) = delete;

private:
    bool& m_open;
};

// The first idle moment after the start; no other timer of the sheet has this number.
constexpr UINT_PTR kIdleAfterStartTimerId = 0x5EED;
constexpr UINT kIdleAfterStartMs = USER_TIMER_MINIMUM;

// The test sound in the current folder, else beside the program: a panel started
// with Windows runs in another folder than its own.
std::string TestSoundPath(const char* name)
{
    if (GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES)
        return name;
    char program[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return name;
    std::string path(program, length);
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? name : path.substr(0, slash + 1) + name;
}

} // namespace

const CRuntimeClass VUDO4Ruruz::classVUDO4Ruruz("VUDO4Ruruz", &CMixerPropertySheet::classCMixerPropertySheet);

VUDO4Ruruz::VUDO4Ruruz(UINT captionId, CCardMixer* card, HWND parent, UINT firstPage) : m_card(card)
{
    m_icon = CWinApp::LoadIcon(kSheetIconId);
    Construct(captionId, card, parent, firstPage);
}

VUDO4Ruruz::~VUDO4Ruruz()
{
    // The keys go quietly: a key never obtained is no news at exit.
    m_hotkeys.LetGo();
    // The pages' windows go before the page objects, and the pages before the
    // speaker test they may still stop.
    if (m_hWnd != nullptr)
        DestroyWindow();
    for (std::unique_ptr<CCoolPropertyPage>& page : m_pages)
        page.reset();
}

bool VUDO4Ruruz::AddMixerPages()
{
    if (m_card == nullptr || m_card->GetDestinationCount() < 2)
        return true;
    CPageHost* host = this;
    const bool sixChannel = m_card->SixChannelCapable() != 0;
    auto make = [&](MainSheetPage kind, std::unique_ptr<CCoolPropertyPage> page) {
        m_pages[static_cast<int>(kind)] = std::move(page);
        AddPage(m_pages[static_cast<int>(kind)].get());
    };
    make(MainSheetPage::Playback, std::make_unique<CNVP4PagePlayback>(m_card, host));
    if (sixChannel)
        make(MainSheetPage::Sources, std::make_unique<CNVP51PagePlayIn>(m_card, host));
    make(MainSheetPage::Record, std::make_unique<CNVP4PageRecord>(m_card, host));
    make(MainSheetPage::Digital, std::make_unique<CNVP4PageDigital>(m_card, host));
    make(MainSheetPage::Equalizer, std::make_unique<CNVP4PageEQ>(m_card, host));
    make(MainSheetPage::Midi, std::make_unique<CNVP4PageMidi>(m_card, host));
    make(MainSheetPage::Settings3D, std::make_unique<CNVP51PageSettings>(m_card, host));
    make(MainSheetPage::Misc, std::make_unique<CNVP4PageMisc>(m_card, host));
    return true;
}

CCoolPropertyPage* VUDO4Ruruz::Page(MainSheetPage page) const
{
    const int index = static_cast<int>(page);
    return index >= 0 && index < kPageKinds ? m_pages[index].get() : nullptr;
}

BOOL VUDO4Ruruz::OnInitDialog()
{
    // The window is not on the screen until it is shown: nothing polls before.
    m_visible = false;
    if (m_card != nullptr)
        m_card->PauseMeterPolling(true);
    // A page made while the sheet is still hidden (a hotkey can change pages) starts no timer.
    TellPagesVisibility();
    ApplyStoredColours();
    const BOOL result = CMixerPropertySheet::OnInitDialog();
    LabelTabs();
    if (ReadGlobalHotKeysSwitch())
        RegisterHotkeys(true);
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    // A timer message comes only when nothing is left to paint.
    if (!m_idleAfterStart.Start(m_hWnd, kIdleAfterStartTimerId, kIdleAfterStartMs))
        StartSpeakerTest();
    return result;
}

void VUDO4Ruruz::ApplyStoredColours()
{
    for (const PanelColourValue& colour : kPanelColours)
        SetColor(colour.role, ReadPanelColour(colour));
    DWORD mode = 0;
    if (ReadPanelRenderMode(mode))
        SetFlags(static_cast<int>(mode | kStoredRenderModeBit));
}

void VUDO4Ruruz::LabelTabs()
{
    std::vector<std::string> labels;
    for (int kind = 0; kind < kPageKinds; ++kind)
        if (m_pages[kind] != nullptr)
            labels.push_back(CWinApp::LoadString(kPageLabels[kind]));
    CTabCtrl* tab = &GetCoolTabCtrl();
    for (size_t i = 0; i < labels.size(); ++i)
        tab->SetItemText(static_cast<int>(i), labels[i].c_str());
    m_accessKeys = AccessKeysOf(labels);
}

void VUDO4Ruruz::StartSpeakerTest()
{
    m_idleAfterStart.Stop();
    if (m_speakerTestStarted || m_card == nullptr)
        return;
    m_speakerTestStarted = true;
    // The device's name field need not be terminated.
    const MIXERCAPSA& caps = m_card->Caps();
    const std::string deviceName(caps.szPname, strnlen(caps.szPname, sizeof(caps.szPname)));
    m_speakerTest.InitSoundDevice(m_hWnd, deviceName.c_str());
    m_speakerTest.LoadTestSound(TestSoundPath(kTestSoundFile).c_str());
    RunSpeakerModeSequence(m_speakerTest, *m_card, m_card->GetSpeakerConfig());
}

bool VUDO4Ruruz::RegisterHotkeys(bool on)
{
    return m_hotkeys.Register(m_hWnd, on) != 0;
}

void VUDO4Ruruz::RunHotkey(DWORD id)
{
    if (m_card != nullptr)
        RunHotkeyAction(id, *m_card, m_commands);
}

void VUDO4Ruruz::CommandsForHotkeys::RefreshEqualizerPage()
{
    CCoolPropertyPage* page = m_sheet.Page(MainSheetPage::Equalizer);
    if (page != nullptr && page->m_hWnd != nullptr)
        page->Refresh();
}

void VUDO4Ruruz::CommandsForHotkeys::ChangeSpeakerMode(DWORD code)
{
    m_sheet.ApplySpeakerMode(code);
    m_sheet.ShowPageAfterSpeakerChange();
}

void VUDO4Ruruz::ShowPageAfterSpeakerChange()
{
    CCoolPropertyPage* settings = Page(MainSheetPage::Settings3D);
    if (settings != nullptr && settings->m_hWnd != nullptr)
        settings->Refresh();
    if (m_hWnd == nullptr)
        return;
    // Passing through the first page makes the 3D Settings page read itself afresh.
    LockWindowUpdate(m_hWnd);
    SetActivePage(0);
    if (settings != nullptr)
        SetActivePage(settings);
    LockWindowUpdate(nullptr);
}

void VUDO4Ruruz::ApplySpeakerMode(DWORD config)
{
    StartSpeakerTest();
    if (m_card != nullptr)
        RunSpeakerModeSequence(m_speakerTest, *m_card, config);
}

void VUDO4Ruruz::StartTestSpeaker(DWORD channelMask)
{
    StartSpeakerTest();
    m_speakerTest.StartSpeaker(channelMask, TRUE);
}

void VUDO4Ruruz::StopTestSpeaker(DWORD channelMask)
{
    StartSpeakerTest();
    m_speakerTest.StopSpeaker(channelMask, TRUE);
}

void VUDO4Ruruz::SetPictureBlendLevel(int level)
{
    m_blendLevel = level;
    SetPicture(nullptr, false); // draws the background again
}

bool VUDO4Ruruz::LoadSettingsFile()
{
    // A hotkey pressed again while a file dialog is open opens no second one.
    if (m_card == nullptr || m_fileDialogOpen)
        return false;
    const FileDialogScope scope(m_fileDialogOpen);
    const std::string filter = SettingsFileFilter(ProductName().c_str());
    CFileDialog dialog(true, kSettingsExtension, nullptr, 0, filter.c_str(), m_hWnd);
    if (dialog.DoModal() != IDOK)
        return false;
    if (!LoadSettingsFileFrom(*m_card, dialog.GetPathName().c_str()))
        return false;
    CWaitCursor wait;
    if (m_hWnd != nullptr)
        RefreshPages();
    return true;
}

bool VUDO4Ruruz::SaveSettingsFile()
{
    if (m_card == nullptr || m_fileDialogOpen)
        return false;
    const FileDialogScope scope(m_fileDialogOpen);
    const std::string filter = SettingsFileFilter(ProductName().c_str());
    CFileDialog dialog(false, kSettingsExtension, nullptr, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, filter.c_str(),
                       m_hWnd);
    if (dialog.DoModal() != IDOK)
        return false;
    if (SaveSettingsFileTo(*m_card, dialog.GetPathName().c_str()))
        return true;
    // Saved whole or not at all: the earlier file is still there, and the user is told.
    ShowSettingsSaveFailure(m_hWnd);
    return false;
}

bool VUDO4Ruruz::PreTranslateMessage(MSG* message)
{
    if (m_hWnd != nullptr && message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST &&
        (message->hwnd == m_hWnd || IsChild(m_hWnd, message->hwnd)) && HandleKey(*message))
        return true;
    return CMixerPropertySheet::PreTranslateMessage(message);
}

SheetKeyContext VUDO4Ruruz::KeyContext(const MSG& message)
{
    SheetKeyContext sheet;
    sheet.pageCount = GetPageCount();
    sheet.globalHotkeysRegistered = m_hotkeys.IsRegistered();
    sheet.accessKeys = m_accessKeys;
    sheet.trayIconShown = IsTrayIconShown();
    AddFocusAndPointer(m_hWnd, message, &sheet);
    return sheet;
}

bool VUDO4Ruruz::HandleKey(const MSG& message)
{
    const SheetKeyDecision decision =
        DecideSheetKey(message.message, message.wParam, CurrentSheetKeyState(), KeyContext(message));
    switch (decision.outcome) {
    case SheetKeyOutcome::PassOn:
        return false;
    case SheetKeyOutcome::SelectPage:
        SelectPageFromKeys(decision.value);
        return true;
    case SheetKeyOutcome::RunHotkey:
        RunHotkey(static_cast<DWORD>(decision.value));
        return true;
    default:
        return CarryOutSheetKey(m_hWnd, decision);
    }
}

void VUDO4Ruruz::SelectPageFromKeys(int index)
{
    if (!SetActivePage(index))
        return;
    // A focus left behind on the page now hidden would take Tab through its
    // controls: the new page's first control takes it instead.
    const HWND focus = ::GetFocus();
    CPropertyPage* page = GetActivePage();
    if ((focus != nullptr && ::IsWindowVisible(focus)) || page == nullptr || page->m_hWnd == nullptr)
        return;
    const HWND first = ::GetNextDlgTabItem(page->m_hWnd, nullptr, FALSE);
    if (first != nullptr)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

LRESULT VUDO4Ruruz::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HOTKEY:
        RunHotkey(static_cast<DWORD>(wParam));
        return 0;
    case WM_HELP:
        // Neither F1 nor a help button opens help.
        return TRUE;
    case WM_TIMER:
        if (wParam == kIdleAfterStartTimerId) {
            StartSpeakerTest();
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGED: {
        // Showing, hiding, minimising and restoring all pass here.
        const LRESULT result = CMixerPropertySheet::WindowProc(message, wParam, lParam);
        FollowVisibility();
        return result;
    }
    case WM_DESTROY:
        m_visible = false;
        break;
    default:
        if (message == CardSettingsChangedMessage() && message != 0) {
            OnCardSettingsChanged();
            return 0;
        }
        break;
    }
    return CMixerPropertySheet::WindowProc(message, wParam, lParam);
}

// Another program changed the card's own settings: the card reads them again first,
// so that the pages neither show the old values nor write them back later.
void VUDO4Ruruz::OnCardSettingsChanged()
{
    if (m_card == nullptr)
        return;
    m_card->ReloadDriverSettings();
    if (m_hWnd != nullptr)
        RefreshPages();
}

void VUDO4Ruruz::FollowVisibility()
{
    const bool visible = m_hWnd != nullptr && ::IsWindowVisible(m_hWnd) && !::IsIconic(m_hWnd);
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (m_card != nullptr)
        m_card->PauseMeterPolling(!visible);
    TellPagesVisibility();
    // What changed while nothing was shown is on the page when it comes back.
    CPropertyPage* active = visible ? GetActivePage() : nullptr;
    if (active != nullptr && active->IsKindOf(&CCoolPropertyPage::classCCoolPropertyPage))
        static_cast<CCoolPropertyPage*>(active)->Refresh();
}

void VUDO4Ruruz::TellPagesVisibility()
{
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = GetPage(i);
        if (page != nullptr && page->IsKindOf(&CCoolPropertyPage::classCCoolPropertyPage))
            static_cast<CCoolPropertyPage*>(page)->OnSheetVisible(m_visible);
    }
}
