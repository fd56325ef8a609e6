#pragma once
// What the command line asks of the main window at start: the picture options,
// the speaker picture, "minimize" and the settings file to load.

#include "app/panel_command_line_info.h"

#include <string>

// The blend level a background picture from the command line starts with.
constexpr int kCommandLinePictureBlend = 180;

struct StartOptions {
    bool minimize = false;
    // "bgbmp": the sheet's background picture, blended (level 180, blend bit on)
    // whether or not it loads.
    bool hasPicture = false;
    std::string picturePath;
    // "spbmp": the 3D Settings page's speaker picture.
    bool hasSpeakerPicture = false;
    std::string speakerPicturePath;
    // The blend level the options end with: 180 after "bgbmp", then "bgop" when its
    // number lies in 0-255. None leaves the sheet's own level.
    bool hasBlendLevel = false;
    int blendLevel = 0;
    // The first plain argument, empty when there was none.
    std::string settingsFile;
};

StartOptions ReadStartOptions(const CPanelCommandLineInfo& info);

// A "bgop" value as a blend level: its leading decimal number (text that is no
// number gives 0); false when the number lies outside 0-255.
bool BlendLevelFromText(const std::string& text, int& level);

// How the sheet is shown at start (a ShowWindow command): normally, or with
// "minimize" hidden when the tray icon is there to bring it back, else minimized.
int ShowCommandAtStart(bool minimize, bool trayIcon);
