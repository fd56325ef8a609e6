#include "app/panel_app.h"

#include "app/main_sheet.h"
#include "app/settings_file_commands.h"
#include "platform/panel_values.h"
#include "panel_ids.h"
#include "string_ids.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace {

// List views, tabs, status bars, trackbars, progress bars, up-down controls.
constexpr DWORD kPageControlClasses = ICC_WIN95_CLASSES;

std::vector<std::string> ProcessArguments()
{
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i)
        if (__argv[i] != nullptr)
            arguments.emplace_back(__argv[i]);
    return arguments;
}

} // namespace

CPanelApp::CPanelApp() : CPanelApp(ProcessArguments()) {}

CPanelApp::CPanelApp(std::vector<std::string> arguments) : m_arguments(std::move(arguments)) {}

CPanelApp::~CPanelApp()
{
    // Whatever start-up left behind when exit did not run.
    m_sheet.reset();
    m_cardMixer.reset();
}

CPanelApp* CPanelApp::Current()
{
    return dynamic_cast<CPanelApp*>(CWinApp::Current());
}

bool CPanelApp::InitInstance()
{
    m_productName = LoadString(IDS_PRODUCT_NAME);
    // A second start ends here, silently: the running panel is neither shown nor told.
    if (!IsOnlyInstance())
        return false;
    if (!OpenCardMixer())
        return false;
    CPanelCommandLineInfo info;
    ParseArguments(info);
    std::string given;
    const bool minimize = info.Lookup("minimize", given);
    return StartMainWindow(info, minimize);
}

int CPanelApp::ExitInstance()
{
    // The sheet first: its pages and controls still talk to the card while they go.
    m_sheet.reset();
    // Writes the S/PDIF settings back and closes the device and the mixer.
    m_cardMixer.reset();
    const int code = CWinApp::ExitInstance();
    m_pMainWnd = nullptr;
    return code;
}

bool CPanelApp::IsOnlyInstance()
{
    if (m_instanceSemaphore.IsHeld())
        return true;
    if (m_productName.empty())
        m_productName = LoadString(IDS_PRODUCT_NAME);
    SetLastError(ERROR_SUCCESS);
    COwnedKernelHandle semaphore(CreateSemaphoreA(nullptr, 0, 1, m_productName.c_str()));
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return false;
    m_instanceSemaphore = std::move(semaphore);
    return true;
}

bool CPanelApp::OpenCardMixer()
{
    m_cardMixer = std::make_unique<CCardMixer>();
    if (m_cardMixer->OpenCard(m_productName.c_str()))
        return true;
    ::MessageBoxA(nullptr, kCardFailureText, kCardFailureCaption, MB_OK | MB_ICONWARNING);
    // Without the card, starting with Windows would only show this message again.
    RemoveAutostart(m_productName.c_str());
    return false;
}

void CPanelApp::ParseArguments(CPanelCommandLineInfo& info) const
{
    std::vector<const char*> argv;
    argv.push_back(""); // the program's name, which the parser passes over
    for (const std::string& argument : m_arguments)
        argv.push_back(argument.c_str());
    ParseCommandLine(info, static_cast<int>(argv.size()), argv.data());
}

bool CPanelApp::StartMainWindow(const CPanelCommandLineInfo& info, bool minimize)
{
    // The window classes the pages' controls use.
    INITCOMMONCONTROLSEX classes = {sizeof(classes), kPageControlClasses};
    InitCommonControlsEx(&classes);
    auto sheet = std::make_unique<VUDO4Ruruz>(IDS_SHORT_NAME, m_cardMixer.get());
    if (!sheet->Create(nullptr, VUDO4Ruruz::kWindowStyle))
        return false;
    ApplyStartOptions(*sheet, ReadStartOptions(info));
    m_pMainWnd = sheet.get();
    char autostart[kAutostartBufferSize];
    const bool trayIcon = ReadAutostart(m_productName.c_str(), autostart, sizeof(autostart));
    if (trayIcon)
        sheet->SetTrayIcon(LoadIcon(IDI_PANEL), IDM_TRAY);
    // The settings file is in place before the sheet first paints or takes a key, and
    // after the speaker-mode sequence has set the card's speakers.
    if (!info.m_strFileName.empty()) {
        sheet->StartSpeakerTest();
        if (LoadSettingsFileFrom(*m_cardMixer, info.m_strFileName.c_str()))
            sheet->RefreshPages();
    }
    // Hidden only where the notification area shows the icon that brings it back.
    sheet->ShowWindow(ShowCommandAtStart(minimize, sheet->IsTrayIconShown()));
    m_sheet = std::move(sheet);
    return true;
}

void CPanelApp::ApplyStartOptions(VUDO4Ruruz& sheet, const StartOptions& options)
{
    if (options.hasPicture) {
        // A picture that does not load leaves none, but the blending is set all the same.
        sheet.SetPicture(options.picturePath.c_str(), false);
        sheet.SetFlags(sheet.GetFlags() | RM_BLENDPICTURE);
    }
    if (options.hasSpeakerPicture) {
        m_speakerPicturePath = options.speakerPicturePath;
        sheet.SetSpeakerPicturePath(options.speakerPicturePath);
    }
    if (options.hasBlendLevel)
        sheet.SetPictureBlendLevel(options.blendLevel);
}
