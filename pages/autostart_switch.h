#pragma once
// Autostart: the Run value named by the product name, whose command starts the
// panel's file in the system directory hidden in the notification area.

#include <string>

// "\"<system directory>\<product name>.exe\" /minimize": the path is quoted, so a
// product name with a blank still names the panel's own file.
std::string AutostartCommandLine(const char* systemDirectory, const char* productName);

// Writes (on) or deletes (off) the Run value; returns whether a Run value is
// stored afterwards, which is the old state when the change could not be made.
bool SwitchAutostart(bool on, const char* productName);
