#pragma once
// Loading and saving a whole-card settings file (.msp) by path, and what the file
// dialogs and the failed save show. A save never leaves a half-written file: the
// settings are written in full first and replace the chosen file only once they
// are on the disk.

#include "mixer/mixer_device.h"

#include <windows.h>

#include <string>

// The file dialogs' filter, "%s Mixer Settings(*.msp)|*.msp||" with the product name.
std::string SettingsFileFilter(const char* productName);

// Reads the file (text mode) into the card; true when the card took it.
bool LoadSettingsFileFrom(CMixerDevice& mixer, const char* path);

// Writes the card's settings to the file (the bytes a text-mode file gets); false
// when they could not be written whole, the earlier file then left as it was.
bool SaveSettingsFileTo(CMixerDevice& mixer, const char* path);

// Tells the user that a save failed, in a message box owned by the window.
void ShowSettingsSaveFailure(HWND owner);
