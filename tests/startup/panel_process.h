#pragma once
// The panel executable started as a user starts it: its own process, the
// simulated card chosen through the environment, its windows found by process.
#include <windows.h>

#include "support/key_input.h"

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

// The panel beside the test programs' folder.
std::string PanelExecutable();

class PanelProcess {
public:
    // Starts the panel with the arguments; simCard names the HALVARD_SIMCARD model
    // (empty: the machine's own devices, which have no card).
    PanelProcess(const std::string& arguments, const std::string& simCard);
    ~PanelProcess(); // ends it when it still runs
    PanelProcess(const PanelProcess&) = delete;
    PanelProcess& operator=(const PanelProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    DWORD Id() const { return m_process.dwProcessId; }
    // True when it ended within the time; its exit code then.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    bool IsRunning() const;
    // True once its start-up is over and it waits for input (the system's notion).
    bool WaitForIdle(DWORD timeoutMs) const;
    // Its visible top-level windows now.
    std::vector<HWND> VisibleWindows() const;
    // Its first visible top-level window with that caption, waited for; null when none came.
    HWND WaitForWindow(const std::string& caption, DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION m_process = {};
};

// The sheet's page being shown; null when none is.
HWND ShownPage(HWND sheet);

// A message box's text (its static control).
std::string MessageBoxText(HWND box);
// A window's class name.
std::string ClassOf(HWND window);

// The values the simulated card keeps for a control of that many values; empty
// when none are kept.
std::vector<LONG> StoredMixerValues(DWORD controlId, size_t count);

// Everything the simulated card keeps between runs: its mixer values and the
// driver's and the 3D software's registry trees, by "key\value" name.
using CardState = std::map<std::string, std::vector<BYTE>>;
CardState ReadCardState();
// The names whose bytes differ between the two (added and removed ones too).
std::vector<std::string> ChangedNames(const CardState& before, const CardState& after);
