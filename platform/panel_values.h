#pragma once
// The panel's own values: the colours and switches under the driver's
// "ControlPanel" key and the autostart value under the Run key (local machine).
#include <windows.h>

// The driver's service key below the local-machine root, which holds the panel's
// values beside the driver's settings. A literal, so that every key below it is
// built from it where it is declared.
#define HALVARD_DRIVER_SERVICE_KEY "SYSTEM\\CurrentControlSet\\Services\\ruririv\\CS461x"

constexpr const char* kControlPanelKey = HALVARD_DRIVER_SERVICE_KEY "\\ControlPanel";
constexpr const char* kAutostartKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The render mode is always stored with its automatic-shades bit set.
constexpr DWORD kStoredRenderModeBit = 0x08;
// Start-up reads the autostart data into a buffer of this size.
constexpr DWORD kAutostartBufferSize = 512;

struct PanelColourValue {
    const char* name;
    int role;          // role in the colour scheme
    COLORREF fallback; // used when the value is missing or unreadable
};

// "ColBgrd", "ColText", "ColLum", "ColSelLow", "ColSelHi".
constexpr PanelColourValue kPanelColours[] = {
    {"ColBgrd", 0, 0x504141},
    {"ColText", 8, 0xB9B9B9},
    {"ColLum", 4, 0xEB786E},
    {"ColSelLow", 11, 0x005AFF},
    {"ColSelHi", 10, 0x00FF00},
};
constexpr int kPanelColourCount = sizeof(kPanelColours) / sizeof(kPanelColours[0]);

COLORREF ReadPanelColour(const PanelColourValue& colour);
bool WritePanelColour(const PanelColourValue& colour, COLORREF value);

// False (and mode untouched) when no render mode is stored.
bool ReadPanelRenderMode(DWORD& mode);
bool WritePanelRenderMode(DWORD mode);

bool ReadGlobalHotKeysSwitch();
bool WriteGlobalHotKeysSwitch(bool on);

// The autostart value is named by the product name; its presence means "on".
bool IsAutostartOn(const char* productName);
bool ReadAutostart(const char* productName, char* buffer, DWORD bufferSize);
bool WriteAutostart(const char* productName, const char* commandLine);
bool RemoveAutostart(const char* productName);
