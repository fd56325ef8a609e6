#pragma once
// The application object: start-up and exit operations, the main window and the
// message loop, which ends when the main window is destroyed.

#include <windows.h>

#include <string>

class CCommandLineInfo;
class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The application object of this process, or null.
    static CWinApp* Current();
    // Where resources come from: the program's own module.
    static HINSTANCE ResourceHandle();

    // True runs the message loop, false ends at once; exit runs in both cases.
    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return m_exitCode; }
    // The message loop; returns ExitInstance's code once the loop has ended.
    virtual int Run();
    // Key messages go to the main window first, then every message to the windows
    // from its target up to the top (dialog keys of modeless dialogs and sheets).
    virtual bool PreTranslateMessage(MSG* message);
    // Start-up, loop, exit: what the process entry returns.
    int Main();

    // Offers the arguments (argv[1] on) to the record in order.
    static void ParseCommandLine(CCommandLineInfo& info, int argc, const char* const* argv);
    // The process's own arguments.
    static void ParseCommandLine(CCommandLineInfo& info);

    // The string of that ID in the user's language, empty when absent
    // (LoadResourceString).
    static std::string LoadString(UINT id);
    static HICON LoadIcon(UINT id);
    // A message box owned by the main window.
    int MessageBox(const char* text, const char* caption, UINT type) const;

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance;

private:
    int m_exitCode = 0;
};
