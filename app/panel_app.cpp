#include "app/panel_app.h"

#include "platform/panel_values.h"
#include "string_ids.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

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

bool CPanelApp::StartMainWindow(const CPanelCommandLineInfo&, bool)
{
    // Until the main sheet is built, a start shows the About text and ends.
    const std::string shortName = LoadString(IDS_SHORT_NAME);
    const std::string aboutFormat = LoadString(IDS_ABOUT_FORMAT);
    char about[1024];
    std::snprintf(about, sizeof(about), aboutFormat.c_str(), shortName.c_str(), "1.0", "---");
    ::MessageBoxA(nullptr, about, m_productName.c_str(), MB_OK | MB_ICONINFORMATION);
    return false;
}
