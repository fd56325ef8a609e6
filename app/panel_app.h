#pragma once
// The panel's application object. Start-up lets one instance run at a time, opens
// the card before anything is shown, reads the command line and starts the main
// window; exit destroys the main sheet and then the card. Owns the card mixer and
// the sheet; holds the single-instance semaphore for the life of the object.

#include "app/panel_command_line_info.h"
#include "app/start_options.h"
#include "driver/card_mixer.h"
#include "platform/owned_handle.h"
#include "platform/win_app.h"
#include "platform/wnd.h"

#include <memory>
#include <string>
#include <vector>

// Shown when the card cannot be opened (not translated).
constexpr const char* kCardFailureText = "Unable to create Mixer! Please check driver & Hardware.";
constexpr const char* kCardFailureCaption = "Error";

class VUDO4Ruruz;

class CPanelApp : public CWinApp {
public:
    // Takes the process's own command line.
    CPanelApp();
    // Takes these arguments (without the program's name) instead.
    explicit CPanelApp(std::vector<std::string> arguments);
    ~CPanelApp() override;

    // True runs the message loop; false ends the process (exit still runs).
    bool InitInstance() override;
    int ExitInstance() override;

    // True when no other instance holds the semaphore named by the product name;
    // this object then holds it until it goes.
    bool IsOnlyInstance();

    // The application object of this process when it is the panel's, or null.
    static CPanelApp* Current();

    // String 130: the semaphore's and the autostart value's name, the mixer device
    // to open and the settings-file filter's "%s".
    const std::string& ProductName() const { return m_productName; }
    // The "spbmp" option: the 3D Settings page's speaker picture; empty by default.
    const std::string& SpeakerPicturePath() const { return m_speakerPicturePath; }
    void SetSpeakerPicturePath(const std::string& path) { m_speakerPicturePath = path; }
    // Null until the card was created.
    CCardMixer* CardMixer() const { return m_cardMixer.get(); }

protected:
    // Starts the main window with the parsed command line; false ends the process.
    virtual bool StartMainWindow(const CPanelCommandLineInfo& info, bool minimize);

    // The main sheet, destroyed at exit before the card.
    std::unique_ptr<CWnd> m_sheet;

private:
    bool OpenCardMixer();
    void ApplyStartOptions(VUDO4Ruruz& sheet, const StartOptions& options);
    void ParseArguments(CPanelCommandLineInfo& info) const;

    std::vector<std::string> m_arguments;
    std::string m_productName;
    std::string m_speakerPicturePath;
    COwnedKernelHandle m_instanceSemaphore;
    std::unique_ptr<CCardMixer> m_cardMixer;
};
