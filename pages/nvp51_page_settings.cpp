#include "pages/nvp51_page_settings.h"

#include <cstdio>

#include "dialogs/dialog_ids.h"
#include "dialogs/settings3d_ids.h"
#include "driver/card_mixer.h"
#include "driver/source_positions.h"
#include "driver/speaker_keys.h"
#include "pages/page_host.h"
#include "platform/resource_string.h"
#include "platform/system_restart.h"
#include "platform/system_version.h"
#include "string_ids.h"

const CRuntimeClass CNVP51PageSettings::classCNVP51PageSettings("CNVP51PageSettings", &CCardPage::classCCardPage);

const CNVP51PageSettings::SpeakerButton CNVP51PageSettings::kSpeakerButtons[kSpeakerButtonCount] = {
    {IDC_3D_SPEAKER_FRONT_LEFT, IDB_SPEAKER_FRONT_LEFT, IDB_SPEAKER_FRONT_LEFT_ON, 1},
    {IDC_3D_SPEAKER_FRONT_RIGHT, IDB_SPEAKER_FRONT_RIGHT, IDB_SPEAKER_FRONT_RIGHT_ON, 2},
    {IDC_3D_SPEAKER_CENTRE, IDB_SPEAKER_CENTRE, IDB_SPEAKER_CENTRE_ON, 4},
    {IDC_3D_SPEAKER_SUBWOOFER, IDB_SPEAKER_SUBWOOFER, IDB_SPEAKER_SUBWOOFER_ON, 8},
    {IDC_3D_SPEAKER_REAR_LEFT, IDB_SPEAKER_REAR_LEFT, IDB_SPEAKER_REAR_LEFT_ON, 16},
    {IDC_3D_SPEAKER_REAR_RIGHT, IDB_SPEAKER_REAR_RIGHT, IDB_SPEAKER_REAR_RIGHT_ON, 32},
};

namespace {

// The 3D option boxes in the order of the dialog: Sensaura, MacroFX, reverb, MP3,
// stereo enhancement, splash screen.
constexpr int kOptionIds[] = {IDC_3D_SENSAURA, IDC_3D_MACROFX,           IDC_3D_REVERB,
                              IDC_3D_MP3,      IDC_3D_STEREO_ENHANCEMENT, IDC_3D_SPLASH};
// What positioning mode shows and test mode hides.
constexpr int kPositioningIds[] = {IDC_3D_POSITIONER,     IDC_3D_SCHEME_SAVE,   IDC_3D_SCHEME_RESTORE,
                                   IDC_3D_SCHEME_ADD,     IDC_3D_SCHEME_DELETE, IDC_3D_SCHEME};

constexpr ItemText kTexts[] = {
    {IDC_3D_SPEAKER_FRAME, IDS_SPEAKER_CONFIG_FRAME},
    {IDC_3D_AUDIO_FRAME, IDS_3D_AUDIO_FRAME},
    {IDC_3D_SENSAURA, IDS_3D_SENSAURA},
    {IDC_3D_MACROFX, IDS_3D_MACROFX},
    {IDC_3D_REVERB, IDS_3D_STEREO_REVERB},
    {IDC_3D_STEREO_ENHANCEMENT, IDS_3D_STEREO_ENHANCEMENT},
    {IDC_3D_RESTART, IDS_RESTART_TO_APPLY},
    {IDC_3D_MODE_SPEAKER_TEST, IDS_MODE_SPEAKER_TEST},
    {IDC_3D_MODE_POSITIONING, IDS_MODE_SOURCE_POSITIONING},
    {IDC_3D_SCHEME_SAVE, IDS_PRESET_SAVE},
    {IDC_3D_SCHEME_ADD, IDS_PRESET_ADD},
    {IDC_3D_SCHEME_RESTORE, IDS_PRESET_RESTORE},
    {IDC_3D_SCHEME_DELETE, IDS_PRESET_DELETE},
};

RECT ItemRect(HWND page, int id)
{
    RECT rect = {};
    HWND item = ::GetDlgItem(page, id);
    ::GetWindowRect(item, &rect);
    ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

CNVP51PageSettings::CNVP51PageSettings(CCardMixer* card, CPageHost* host)
    : CCardPage(IDD_PAGE_3D_SETTINGS, IDS_PAGE_3D_SETTINGS, card, host, kTexts),
      // The first scheme stands for a current name that none of them has.
      m_schemes(*this, &CCardMixer::IsUsableSourceSchemeName, true)
{
}

void CNVP51PageSettings::DoDataExchange()
{
    AttachItem(IDC_3D_SPEAKER_CONFIG, m_speakerList);
    m_schemes.Attach(*this, {IDC_3D_SCHEME, IDC_3D_SCHEME_ADD, IDC_3D_SCHEME_SAVE, IDC_3D_SCHEME_RESTORE,
                             IDC_3D_SCHEME_DELETE});
    AttachItem(IDC_3D_SPEAKER_FRAME, m_speakerFrame);
    AttachItem(IDC_3D_AUDIO_FRAME, m_audioFrame);
    for (int i = 0; i < 6; ++i)
        AttachItem(kOptionIds[i], m_options[i]);
    AttachItem(IDC_3D_RESTART, m_restart);
    AttachItem(IDC_3D_MODE_SPEAKER_TEST, m_modeTest);
    AttachItem(IDC_3D_MODE_POSITIONING, m_modePositioning);
    for (int i = 0; i < kSpeakerButtonCount; ++i)
        AttachItem(kSpeakerButtons[i].id, m_speakers[i]);
    AttachItem(IDC_3D_POSITIONER, m_positioner);
}

BOOL CNVP51PageSettings::OnInitDialog()
{
    CCardPage::OnInitDialog();
    ArrangeOptionBoxes();
    FillSpeakerList();
    SetUpSpeakerButtons();
    SetUpPositioner();
    m_initialSensaura = m_card->GetSensaura3D();
    // Positioning mode: the schemes are listed and the current positions loaded.
    Refresh();
    SpreadScheme();
    return TRUE;
}

void CNVP51PageSettings::ArrangeOptionBoxes()
{
    Show(IDC_3D_MP3, false);
    Enable(IDC_3D_MP3, false);
    const RECT mp3 = ItemRect(m_hWnd, IDC_3D_MP3);
    const RECT stereo = ItemRect(m_hWnd, IDC_3D_STEREO_ENHANCEMENT);
    ::MoveWindow(GetDlgItem(IDC_3D_SPLASH), stereo.left, stereo.top, stereo.right - stereo.left,
                 stereo.bottom - stereo.top, TRUE);
    ::MoveWindow(GetDlgItem(IDC_3D_STEREO_ENHANCEMENT), mp3.left, mp3.top, mp3.right - mp3.left, mp3.bottom - mp3.top,
                 TRUE);
    Show(IDC_3D_SPLASH, false);
}

void CNVP51PageSettings::FillSpeakerList()
{
    struct Entry {
        UINT string;
        const char* fallback;
        DWORD code;
    };
    static const Entry kSix[] = {{IDS_SPEAKERS_SIX, kFallbackSix, kSpeakerSix},
                                 {IDS_SPEAKERS_QUAD, kFallbackQuad, kSpeakerQuad},
                                 {IDS_SPEAKERS_STEREO, kFallbackStereo, kSpeakerStereo},
                                 {IDS_PHONES, kFallbackPhones, kSpeakerHeadphones}};
    static const Entry kFour[] = {{IDS_SPEAKERS_QUAD, kFallbackQuad, kSpeakerQuad},
                                  {IDS_SPEAKERS_STEREO, kFallbackStereo, kSpeakerStereo}};
    const Entry* entries = nullptr;
    int count = 0;
    if (m_card->SixChannelCapable()) {
        entries = kSix;
        count = 4;
    } else if (m_card->FourChannelCapable()) {
        entries = kFour;
        count = 2;
    }
    m_speakerList.ResetContent();
    for (int i = 0; i < count; ++i) {
        std::string text = LoadResourceString(entries[i].string);
        if (text.empty())
            text = entries[i].fallback;
        const int index = m_speakerList.AddString(text.c_str());
        if (index >= 0)
            m_speakerList.SetItemData(index, entries[i].code);
    }
    // A first choice by position; refresh then selects by code.
    const DWORD code = m_card->GetSpeakerConfig() & 0xFF;
    m_speakerList.SetCurSel(code == kSpeakerHeadphones ? 1 : code == kSpeakerQuad ? 2 : code == kSpeakerSix ? 3 : 0);
}

void CNVP51PageSettings::SetUpSpeakerButtons()
{
    for (int i = 0; i < kSpeakerButtonCount; ++i) {
        m_speakers[i].SetBitmaps(MAKEINTRESOURCEA(kSpeakerButtons[i].normalBitmap),
                                 MAKEINTRESOURCEA(kSpeakerButtons[i].playingBitmap), nullptr, nullptr, nullptr, true);
        m_speakers[i].SetWindowText("");
        Show(kSpeakerButtons[i].id, false);
    }
    for (int id : kPositioningIds)
        Show(id, true);
}

void CNVP51PageSettings::SetUpPositioner()
{
    m_positioner.LoadItems(IDB_SOURCES, IDB_SOURCES_WIDTH, 1, RGB(255, 0, 255));
    m_positioner.SetImageBkColor(CLR_NONE);
    ShowSharedItem(false);
    const char* picture = m_host != nullptr ? m_host->SpeakerPicturePath() : nullptr;
    if (picture != nullptr && picture[0] != '\0') {
        m_positioner.SetPicture(picture);
        m_positioner.m_blendLevel = m_host->PictureBlendLevel();
    }
    m_positioner.SetRange(0, 127, 0, 127);
}

void CNVP51PageSettings::Refresh()
{
    if (m_hWnd == nullptr)
        return;
    const DWORD code = m_card->GetSpeakerConfig() & 0xFF;
    for (int i = 0; i < m_speakerList.GetCount(); ++i)
        if (m_speakerList.GetItemData(i) == code) {
            m_speakerList.SetCurSel(i);
            break;
        }
    RefreshOptions();
    const bool restart = m_card->GetSensaura3D() != m_initialSensaura;
    Show(IDC_3D_RESTART, restart);
    Enable(IDC_3D_RESTART, restart);
    if (m_testMode != 0)
        ShowTestMode();
    else
        ShowPositioningMode();
    if (IsShown(IDC_3D_POSITIONER)) {
        m_schemes.Refresh();
        // The current positions, which may differ from the named scheme's until saved.
        LoadScheme(nullptr);
        m_positioner.Invalidate(false);
    }
    Check(IDC_3D_MODE_SPEAKER_TEST, m_testMode != 0);
    Check(IDC_3D_MODE_POSITIONING, m_testMode == 0);
}

void CNVP51PageSettings::RefreshOptions()
{
    Check(IDC_3D_SENSAURA, m_card->GetSensaura3D() != 0);
    Check(IDC_3D_MACROFX, m_card->GetMacroFX() != 0);
    Enable(IDC_3D_MACROFX, m_card->GetSensaura3D() != 0);
    Check(IDC_3D_STEREO_ENHANCEMENT, m_card->GetStereoExpansion() != 0);
    if (m_card->SixChannelCapable())
        Check(IDC_3D_MP3, m_card->GetMP3Acceleration() != 0);
    Check(IDC_3D_REVERB, m_card->GetReverb() != 0);
}

void CNVP51PageSettings::ShowTestMode()
{
    // By the configuration code: the geometry above it does not choose speakers.
    const DWORD code = m_card->GetSpeakerConfig() & 0xFF;
    const bool rear = code == kSpeakerQuad || code == kSpeakerSurround || code == kSpeakerSix;
    const bool centre = code == kSpeakerSurround || code == kSpeakerSix;
    for (int i = 0; i < kSpeakerButtonCount; ++i) {
        const DWORD mask = kSpeakerButtons[i].channelMask;
        bool shown = mask <= 2;
        if (mask == 16 || mask == 32)
            shown = rear;
        else if (mask == 4 || mask == 8)
            shown = centre;
        if (!shown && IsChecked(kSpeakerButtons[i].id))
            StopSpeaker(i); // a speaker the configuration no longer has
        Show(kSpeakerButtons[i].id, shown);
    }
    if (IsShown(IDC_3D_POSITIONER))
        for (int id : kPositioningIds)
            Show(id, false);
}

void CNVP51PageSettings::ShowPositioningMode()
{
    bool anyShown = false;
    for (const SpeakerButton& button : kSpeakerButtons)
        anyShown = anyShown || IsShown(button.id);
    if (!anyShown)
        return;
    for (int i = 0; i < kSpeakerButtonCount; ++i) {
        // Leaving the test silences it: no button would be left to stop a sound.
        if (IsChecked(kSpeakerButtons[i].id))
            StopSpeaker(i);
        Show(kSpeakerButtons[i].id, false);
    }
    for (int id : kPositioningIds)
        Show(id, true);
}

LRESULT CNVP51PageSettings::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_2DPOS_SELCHANGE:
        OnPositionerSelChange(static_cast<int>(wParam));
        return 0;
    case WM_2DPOS_MOVE:
        if (wParam < static_cast<WPARAM>(kSourcePositionCount))
            m_card->SendSourcePosition(static_cast<int>(wParam), static_cast<DWORD>(PackedX(lParam)),
                                       static_cast<DWORD>(PackedY(lParam)));
        return 0;
    case WM_2DPOS_DROP:
        OnPositionerDrop(static_cast<int>(wParam));
        return 0;
    default:
        break;
    }
    return CCoolPropertyPage::WindowProc(message, wParam, lParam);
}

bool CNVP51PageSettings::OnCommand(UINT id, UINT code)
{
    if (id == IDC_3D_SPEAKER_CONFIG && code == CBN_SELCHANGE) {
        OnSpeakerConfig();
        return true;
    }
    return m_schemes.OnCommand(id, code);
}

bool CNVP51PageSettings::OnClicked(UINT id)
{
    for (int i = 0; i < kSpeakerButtonCount; ++i)
        if (static_cast<int>(id) == kSpeakerButtons[i].id) {
            OnSpeakerButton(i);
            return true;
        }
    switch (id) {
    case IDC_3D_SENSAURA:
    case IDC_3D_MACROFX:
    case IDC_3D_REVERB:
    case IDC_3D_MP3:
    case IDC_3D_STEREO_ENHANCEMENT:
    case IDC_3D_SPLASH:
        On3DOptions();
        return true;
    case IDC_3D_MODE_SPEAKER_TEST:
    case IDC_3D_MODE_POSITIONING:
        m_testMode = IsChecked(IDC_3D_MODE_SPEAKER_TEST) ? 1 : 0;
        Refresh();
        return true;
    case IDC_3D_RESTART:
        OnRestart();
        return true;
    default:
        return m_schemes.OnClicked(id);
    }
}

void CNVP51PageSettings::OnSpeakerConfig()
{
    const int index = m_speakerList.GetCurSel();
    if (index < 0)
        return;
    const DWORD code = static_cast<DWORD>(m_speakerList.GetItemData(index));
    if (m_host != nullptr)
        m_host->ApplySpeakerMode(code);
    Refresh();
}

void CNVP51PageSettings::On3DOptions()
{
    m_card->SetSensaura3D(IsChecked(IDC_3D_SENSAURA) ? 1 : 0);
    m_card->SetMacroFX(IsChecked(IDC_3D_MACROFX) ? 1 : 0);
    m_card->SetStereoExpansion(IsChecked(IDC_3D_STEREO_ENHANCEMENT) ? 1 : 0);
    m_card->SetReverb(IsChecked(IDC_3D_REVERB) ? 1 : 0);
    if (m_card->SixChannelCapable())
        m_card->SetMP3Acceleration(IsChecked(IDC_3D_MP3) ? 1 : 0);
    Refresh();
}

void CNVP51PageSettings::OnRestart()
{
    const std::string question = LoadResourceString(IDS_CONFIRM_RESTART);
    const std::string caption = LoadResourceString(IDS_PRODUCT_NAME);
    if (MessageBox(question.c_str(), caption.c_str(), MB_YESNOCANCEL | MB_ICONQUESTION) != IDYES)
        return;
    const int failed = RestartSystem(QuerySystemVersion().platform == VER_PLATFORM_WIN32_NT);
    if (failed == kRestartDone)
        return;
    char text[128];
    std::snprintf(text, sizeof(text), kRestartFailedFormat, failed);
    MessageBox(text, caption.c_str());
}

void CNVP51PageSettings::OnSpeakerButton(int index)
{
    if (m_host == nullptr)
        return;
    if (IsChecked(kSpeakerButtons[index].id))
        m_host->StartTestSpeaker(kSpeakerButtons[index].channelMask);
    else
        m_host->StopTestSpeaker(kSpeakerButtons[index].channelMask);
}

void CNVP51PageSettings::StopSpeaker(int index)
{
    Check(kSpeakerButtons[index].id, false);
    if (m_host != nullptr)
        m_host->StopTestSpeaker(kSpeakerButtons[index].channelMask);
}
